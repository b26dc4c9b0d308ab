#pragma once

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

private:
    void ShowCandidatePage();

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
    base::RandomSource m_random = base::RandomSource::Fresh();
};

} // namespace korvani::app
