#include "app/DreamPage.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/Artwork.h"
#include "app/Fonts.h"
#include "app/PageCommand.h"
#include "app/ReportOutput.h"

namespace korvani::app {

DreamPage::DreamPage(data::DataStore& store, QWidget* parent)
    : QWidget(parent), m_dream(store), m_searcher(m_dream), m_categoryIcon(artwork::DreamCategoryIcon()),
      m_titleIcon(artwork::DreamTitleIcon()), m_beep([] { QApplication::beep(); }) {
    setObjectName(QStringLiteral("TabSheet6"));
    auto* layout = new QHBoxLayout(this);

    auto* left = new QVBoxLayout;
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("EditSearch"));
    m_search->setPlaceholderText(QStringLiteral("查梦：如 蛇、掉牙、开店"));
    m_search->setClearButtonEnabled(true);
    m_search->setToolTip(QStringLiteral("边输入边查找标题和解说中含有这些词的梦，按 Esc 清除"));
    m_search->installEventFilter(this);
    left->addWidget(m_search);
    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("LabelSearch"));
    m_hint->setVisible(false);
    left->addWidget(m_hint);
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("TreeView"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setUniformRowHeights(true);
    left->addWidget(m_tree, 1);
    layout->addLayout(left, 2);

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("MemoJiemeng"));
    m_memo->setReadOnly(true);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Interpretations are prose: the UI face reads better here than the report face.
    m_memo->setFont(UiFont(10));
    layout->addWidget(m_memo, 5);

    connect(m_tree, &QTreeWidget::itemClicked, this, [this] { TreeViewClick(); });
    connect(m_tree, &QTreeWidget::itemActivated, this, [this] { TreeViewClick(); });
    connect(m_search, &QLineEdit::textChanged, this, &DreamPage::FilterTree);
    // Enter in the search field opens the first title found.
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        for (int c = 0; c < m_tree->topLevelItemCount(); ++c) {
            QTreeWidgetItem* category = m_tree->topLevelItem(c);
            if (category->isHidden())
                continue;
            for (int t = 0; t < category->childCount(); ++t) {
                if (!category->child(t)->isHidden()) {
                    m_tree->setCurrentItem(category->child(t));
                    TreeViewClick();
                    return;
                }
            }
        }
    });
}

void DreamPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_filled)
        ShowTreeDate();
}

bool DreamPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_search && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        m_search->clear();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void DreamPage::ShowTreeDate() {
    m_tree->clear();
    m_openBeforeSearch.clear();
    m_filled = false;
    RunCommand(this, [this] {
        const std::vector<almanac::DreamCategoryNode> tree = almanac::DreamTree(m_dream);
        m_tree->setUpdatesEnabled(false);
        QList<QTreeWidgetItem*> categories;
        categories.reserve(static_cast<int>(tree.size()));
        for (const almanac::DreamCategoryNode& node : tree) {
            auto* category = new QTreeWidgetItem(QStringList(QString::fromStdString(node.name)));
            category->setIcon(0, m_categoryIcon);
            QList<QTreeWidgetItem*> titles;
            titles.reserve(static_cast<int>(node.titles.size()));
            for (const std::string& title : node.titles) {
                auto* item = new QTreeWidgetItem(QStringList(QString::fromStdString(title)));
                item->setIcon(0, m_titleIcon);
                titles << item;
            }
            category->addChildren(titles);
            categories << category;
        }
        m_tree->addTopLevelItems(categories);
        m_tree->setUpdatesEnabled(true);
        m_filled = true;
    });
    // A search typed before the tree was (re)built applies to the new tree.
    m_searching = false;
    FilterTree(m_search->text());
}

void DreamPage::TreeViewClick() {
    QTreeWidgetItem* item = m_tree->currentItem();
    if (!item)
        return;
    if (item->childCount() > 0) {
        item->setExpanded(true);
        return;
    }
    ShowMomeDate(item->text(0).trimmed());
}

void DreamPage::ShowMomeDate(const QString& title) {
    RunCommand(this, [&] {
        const std::vector<std::string> lines = almanac::DreamMemoLines(m_dream, title.toStdString(), m_beep);
        SetReportLines(m_memo, lines);
    });
}

void DreamPage::ShowWholeTree() {
    for (int c = 0; c < m_tree->topLevelItemCount(); ++c) {
        QTreeWidgetItem* category = m_tree->topLevelItem(c);
        category->setHidden(false);
        category->setExpanded(m_openBeforeSearch.contains(category));
        for (int t = 0; t < category->childCount(); ++t)
            category->child(t)->setHidden(false);
    }
    m_openBeforeSearch.clear();
    m_hint->setVisible(false);
    if (QTreeWidgetItem* current = m_tree->currentItem())
        m_tree->scrollToItem(current);
}

void DreamPage::FilterTree(const QString& text) {
    const bool hasWords = !almanac::SearchWords(text.toStdString()).empty();
    if (!m_filled || !hasWords) {
        if (m_searching)
            ShowWholeTree();
        m_searching = false;
        return;
    }
    RunCommand(this, [&] {
        QSet<QString> found;
        for (const std::string& title : m_searcher.Search(text.toStdString()))
            found.insert(QString::fromStdString(title));
        if (!m_searching) {
            for (int c = 0; c < m_tree->topLevelItemCount(); ++c)
                if (m_tree->topLevelItem(c)->isExpanded())
                    m_openBeforeSearch << m_tree->topLevelItem(c);
            m_searching = true;
        }
        m_tree->setUpdatesEnabled(false);
        int shown = 0;
        for (int c = 0; c < m_tree->topLevelItemCount(); ++c) {
            QTreeWidgetItem* category = m_tree->topLevelItem(c);
            int inCategory = 0;
            for (int t = 0; t < category->childCount(); ++t) {
                QTreeWidgetItem* item = category->child(t);
                const bool match = found.contains(item->text(0));
                item->setHidden(!match);
                inCategory += match;
            }
            category->setHidden(inCategory == 0);
            category->setExpanded(inCategory > 0);
            shown += inCategory;
        }
        m_tree->setUpdatesEnabled(true);
        m_hint->setText(shown > 0 ? QStringLiteral("找到 %1 条").arg(shown)
                                  : QStringLiteral("没有找到含“%1”的梦，换个说法试试").arg(text.trimmed()));
        m_hint->setVisible(true);
    });
}

} // namespace korvani::app
