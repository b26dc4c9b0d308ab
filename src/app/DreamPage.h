#pragma once

#include <QIcon>
#include <QList>
#include <QWidget>
#include <functional>

#include "almanac/DreamDictionary.h"
#include "data/DataStore.h"
#include "data/Dream.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace korvani::app {

// The dream page (解梦大全): a search field over the category tree TreeView, and the memo
// MemoJiemeng with the interpretation of the clicked title. The tree is filled when the page is
// first shown. Typing in the search field keeps only the titles that match, as one types; Escape
// clears the field and brings the whole tree back.
class DreamPage : public QWidget {
    Q_OBJECT

public:
    DreamPage(data::DataStore& store, QWidget* parent = nullptr);

    QTreeWidget* Tree() const { return m_tree; }
    QPlainTextEdit* Memo() const { return m_memo; }
    QLineEdit* SearchField() const { return m_search; }
    QLabel* SearchHint() const { return m_hint; }

    // (Re)builds the whole tree from the data file, always from an empty tree.
    void ShowTreeDate();
    // The tree's click: a title (or a category without titles) shows its interpretation; a category
    // with titles opens and leaves the memo as it is.
    void TreeViewClick();
    // Shows the interpretation of a title; the memo is emptied when no entry bears it.
    void ShowMomeDate(const QString& title);
    // The search field's handler: hides every title that does not match the words.
    void FilterTree(const QString& text);

    // The system beep for each bad digit pair of a stored text; replaced in tests.
    void SetBeep(std::function<void()> beep) { m_beep = std::move(beep); }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowWholeTree();

    data::Dream m_dream;
    almanac::DreamSearch m_searcher;
    QLineEdit* m_search;
    QLabel* m_hint;
    QTreeWidget* m_tree;
    QPlainTextEdit* m_memo;
    QIcon m_categoryIcon;
    QIcon m_titleIcon;
    bool m_filled = false;
    // The categories that were open when a search began, opened again when it is cleared.
    QList<QTreeWidgetItem*> m_openBeforeSearch;
    bool m_searching = false;
    std::function<void()> m_beep;
};

} // namespace korvani::app
