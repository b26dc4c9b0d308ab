#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <optional>

#include "app/BirthFields.h"
#include "app/CandidateGridModel.h"
#include "base/RandomSource.h"
#include "data/DataStore.h"
#include "naming/NamingRun.h"

class QComboBox;
class QLineEdit;
class QLabel;
class QPushButton;

namespace korvani::app {

class CandidateGridView;
class ShortlistKeeper;
class TFrmShortlist;

// The naming page (公司起名): birth data, affixes, fixed characters and name length; the run, the
// pages of candidates and the opening of a candidate's analysis.
class NamingPage : public QWidget {
    Q_OBJECT

public:
    NamingPage(data::DataStore& store, QWidget* parent = nullptr);

    BirthFields& Fields() { return m_fields; }
    CandidateGridModel* Grid() const { return m_model; }
    CandidateGridView* GridView() const { return m_grid; }
    void SetRandomSource(base::RandomSource random) { m_random = random; }

    // "马上起名": one naming run and its first page.
    void RzBitBtn5Click();
    // "继续显示": a fresh page of the same result.
    void RzBitBtn2Click();
    // "查看详细", a double click on the grid and Enter on a row: the selected candidate's analysis;
    // with no candidate chosen, a message that asks for one.
    void RzBitBtn4Click();
    // The name length changed: which fixed-character fields are usable.
    void CBZSChange(int item);

    // "加入收藏", the grid's context menu and the Insert key: keeps the chosen rows in the shortlist.
    void AddToShortlistClick();
    // "收藏夹": the shortlist window (one at a time; it stays open beside the page).
    void ShortlistClick();
    // The grid's context menu "导出本页为CSV": the page shown, with the explained scores.
    void ExportPageClick();
    // How the score of a row of the page adds up, in one line.
    QString ScoreNote(const naming::GridRow& row) const;

    ShortlistKeeper* Shortlist() const { return m_shortlist; }
    // The shortlist window, while it is open.
    TFrmShortlist* ShortlistWindow() const;

private:
    void ShowCandidatePage();
    void ShowGridMenu(const QPoint& position);

    data::DataStore& m_store;
    BirthFields m_fields;
    QLineEdit* m_prefix;
    QLineEdit* m_suffix;
    std::array<QLineEdit*, 4> m_fixed{};
    QComboBox* m_length;
    QComboBox* m_elementMode;
    QPushButton* m_run;
    QPushButton* m_more;
    CandidateGridView* m_grid;
    QLabel* m_note;
    CandidateGridModel* m_model;
    std::optional<naming::NamingResult> m_result;
    chart::BirthInput m_runBirth; // the birth data the result was scored for
    std::string m_pagePrefix;     // the affixes the page shown was drawn with
    std::string m_pageSuffix;
    QPushButton* m_keep;
    QPushButton* m_shortlistButton;
    ShortlistKeeper* m_shortlist;
    QPointer<TFrmShortlist> m_shortlistWindow;
    base::RandomSource m_random = base::RandomSource::Fresh();
};

} // namespace korvani::app
