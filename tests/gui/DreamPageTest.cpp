#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include "app/Application.h"
#include "app/DreamPage.h"
#include "app/ReportOutput.h"
#include "app/TFrmIndex.h"
#include "support/DreamFixture.h"
#include "support/TestDataDir.h"

using namespace korvani::app;

class DreamPageTest : public QObject {
    Q_OBJECT

private:
    QStringList m_messages;
    std::unique_ptr<korvani::testing::ScratchDir> m_dir;

    static QTreeWidgetItem* Item(DreamPage* page, const QString& text) {
        const auto found = page->Tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        if (found.isEmpty())
            qFatal("no tree node %s", qPrintable(text));
        return found.front();
    }
    // Selects a node and runs the tree's click handler, as a click on it does.
    static void Click(DreamPage* page, const QString& text) {
        page->Tree()->setCurrentItem(Item(page, text));
        page->TreeViewClick();
    }
    // Types a text one character at a time, as a keyboard or an input method delivers it.
    static void Type(QWidget* field, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
        }
    }
    static QImage Picture(const QIcon& icon, QIcon::Mode mode) { return icon.pixmap(16, mode).toImage(); }
    static QStringList TopLevelTexts(const QTreeWidget* tree) {
        QStringList texts;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            texts << tree->topLevelItem(i)->text(0) + QString::number(tree->topLevelItem(i)->childCount());
        return texts;
    }
    static int VisibleTitles(const QTreeWidget* tree) {
        int n = 0;
        for (int c = 0; c < tree->topLevelItemCount(); ++c)
            for (int t = 0; t < tree->topLevelItem(c)->childCount(); ++t)
                n += !tree->topLevelItem(c)->isHidden() && !tree->topLevelItem(c)->child(t)->isHidden();
        return n;
    }

private slots:
    void init() {
        m_messages.clear();
        SetMessageSink(
            [this](QWidget*, const QString& title, const QString& text) { m_messages << title + ":" + text; });
        m_dir = std::make_unique<korvani::testing::ScratchDir>();
        m_dir->CopyDataFiles();
        korvani::testing::AddDreamOddCases(m_dir->path() / "dream.dll");
    }
    void cleanup() {
        SetMessageSink({});
        m_dir.reset();
    }

    void theToolButtonShowsTheFilledTreeAndRefillingNeverDoublesIt() {
        TFrmIndex window(m_dir->path().string());
        window.show();
        DreamPage* page = window.Dreams();
        QCOMPARE(page->Tree()->topLevelItemCount(), 0);
        window.findChild<QToolButton*>(QStringLiteral("RzToolButton6"))->click();
        QCOMPARE(window.Pages()->currentWidget(), page);
        QTreeWidget* tree = page->Tree();
        QCOMPARE(tree->objectName(), QStringLiteral("TreeView"));
        QCOMPARE(tree->topLevelItemCount(), 18 + 3);
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("人物"));
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("梦见父亲"));
        QCOMPARE(tree->topLevelItem(18)->text(0), QStringLiteral("夜空")); // trimmed
        const QStringList before = TopLevelTexts(tree);
        page->ShowTreeDate();
        page->ShowTreeDate();
        QCOMPARE(TopLevelTexts(tree), before);
        QVERIFY(m_messages.isEmpty());
    }

    void nodesShowTheirOwnPictures() {
        korvani::data::DataStore store(m_dir->path().string());
        DreamPage page(store);
        page.ShowTreeDate();
        const QIcon category = Item(&page, QStringLiteral("动物"))->icon(0);
        const QIcon title = Item(&page, QStringLiteral("梦见蛇"))->icon(0);
        QVERIFY(!category.isNull() && !title.isNull());
        // A picture for each kind of node, and another when the node is selected.
        QVERIFY(Picture(category, QIcon::Normal) != Picture(category, QIcon::Selected));
        QVERIFY(Picture(title, QIcon::Normal) != Picture(title, QIcon::Selected));
        QVERIFY(Picture(category, QIcon::Normal) != Picture(title, QIcon::Normal));
        QCOMPARE(Picture(Item(&page, QStringLiteral("夜空"))->icon(0), QIcon::Normal),
                 Picture(category, QIcon::Normal));
    }

    void clicksShowTextsAndCategoriesOpen() {
        korvani::data::DataStore store(m_dir->path().string());
        DreamPage page(store);
        page.resize(700, 450);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        int beeps = 0;
        page.SetBeep([&] { ++beeps; });
        QPlainTextEdit* memo = page.Memo();
        QCOMPARE(memo->objectName(), QStringLiteral("MemoJiemeng"));
        QVERIFY(memo->isReadOnly());

        // A real mouse click on a category opens it; a click on one of its titles shows the text.
        QTreeWidget* tree = page.Tree();
        QTreeWidgetItem* animals = Item(&page, QStringLiteral("动物"));
        tree->scrollToItem(animals);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(animals).center());
        QVERIFY(animals->isExpanded());
        QVERIFY(memo->toPlainText().isEmpty());
        QTreeWidgetItem* snake = Item(&page, QStringLiteral("梦见蛇"));
        tree->scrollToItem(snake);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(snake).center());
        const QString text = memo->toPlainText();
        QVERIFY(text.startsWith(QStringLiteral("    蛇是解梦中最常见的动物之一")));
        QVERIFY(!text.contains(QLatin1Char('\n')));

        // A category with titles changes nothing in the memo.
        Click(&page, QStringLiteral("人物"));
        QCOMPARE(memo->toPlainText(), text);
        // A category without titles is looked up as a title: no entry clears the memo, one shows it.
        Click(&page, QStringLiteral("夜空"));
        QVERIFY(memo->toPlainText().isEmpty());
        Click(&page, QStringLiteral("梦见扫帚星"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("    只在测试里出现的条目：扫帚星划过夜空。"));

        // Each pair of the stored text that is no number sounds the beep; the rest is shown.
        QCOMPARE(beeps, 0);
        Click(&page, QStringLiteral("梦见坏对"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("    AB"));
        QCOMPARE(beeps, 2);
        // No node selected: nothing happens.
        tree->setCurrentItem(nullptr);
        page.TreeViewClick();
        QCOMPARE(memo->toPlainText(), QStringLiteral("    AB"));
        QVERIFY(m_messages.isEmpty());
    }

    void searchFiltersAsYouTypeAndEscapeClears() {
        korvani::data::DataStore store(m_dir->path().string());
        DreamPage page(store);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTreeWidget* tree = page.Tree();
        const int all = VisibleTitles(tree);
        Item(&page, QStringLiteral("人物"))->setExpanded(true);
        QLineEdit* field = page.SearchField();
        QCOMPARE(field->objectName(), QStringLiteral("EditSearch"));
        field->setFocus();

        Type(field, QStringLiteral("蛇"));
        const int snakes = VisibleTitles(tree);
        QVERIFY(snakes > 1 && snakes < all);
        QVERIFY(!Item(&page, QStringLiteral("梦见蛇"))->isHidden());
        QVERIFY(Item(&page, QStringLiteral("动物"))->isExpanded());
        QVERIFY(Item(&page, QStringLiteral("梦见父亲"))->isHidden());
        QVERIFY(Item(&page, QStringLiteral("夜空"))->isHidden());
        QVERIFY(page.SearchHint()->isVisibleTo(&page));
        QCOMPARE(page.SearchHint()->text(), QStringLiteral("找到 %1 条").arg(snakes));

        // A second word narrows the search; words found only in texts count too.
        Type(field, QStringLiteral(" 开店"));
        QVERIFY(VisibleTitles(tree) < snakes);
        Type(field, QStringLiteral("没有这种说法"));
        QCOMPARE(VisibleTitles(tree), 0);
        QVERIFY(page.SearchHint()->text().startsWith(QStringLiteral("没有找到")));

        // Escape clears the field: the whole tree again, opened as before the search.
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(field->text().isEmpty());
        QCOMPARE(VisibleTitles(tree), all);
        QVERIFY(!page.SearchHint()->isVisibleTo(&page));
        QVERIFY(Item(&page, QStringLiteral("人物"))->isExpanded());
        QVERIFY(!Item(&page, QStringLiteral("动物"))->isExpanded());

        // Enter opens the first title found.
        Type(field, QStringLiteral("引号"));
        QCOMPARE(VisibleTitles(tree), 1);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(page.Memo()->toPlainText(), QStringLiteral("    带引号的标题也能查到。"));
        QVERIFY(m_messages.isEmpty());
    }

    void aMissingDataFileIsNamed() {
        korvani::testing::ScratchDir empty;
        korvani::data::DataStore store(empty.path().string());
        DreamPage page(store);
        page.show();
        QCOMPARE(page.Tree()->topLevelItemCount(), 0);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].startsWith(QStringLiteral("错误:")));
        QVERIFY(m_messages[0].contains(QStringLiteral("dream.dll")));
        // Typing in the search field with no tree asks nothing of the file.
        Type(page.SearchField(), QStringLiteral("蛇"));
        QCOMPARE(m_messages.size(), 1);
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    korvani::app::SetUpApplication(application);
    DreamPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DreamPageTest.moc"
