#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "app/Contacts.h"

#include "data/DataStore.h"

class QStackedWidget;
class QToolButton;

namespace korvani::app {

class AboutPage;
class AlmanacPage;
class AnalysisPage;
class ChartPage;
class DreamPage;
class NamingPage;

// The main window: a borderless frame of 800 × 590 with a caption strip that moves it, the row of
// tool buttons that choose the pages (the current page's button marked), and the page control with
// the program's pages. The contact addresses come from korvani.ini beside the data files, if any.
class TFrmIndex : public QWidget {
    Q_OBJECT

public:
    // `dataDirectory`: the folder of the data files (the program's own folder by default).
    explicit TFrmIndex(const std::string& dataDirectory = data::ProgramDirectory(), QWidget* parent = nullptr);
    ~TFrmIndex() override;

    static constexpr int kClientWidth = 800;
    static constexpr int kClientHeight = 590;

    data::DataStore& Store() { return *m_store; }
    QStackedWidget* Pages() const { return m_pages; }
    NamingPage* Naming() const { return m_naming; }
    AnalysisPage* Analysis() const { return m_analysis; }
    ChartPage* Chart() const { return m_chart; }
    AlmanacPage* Almanac() const { return m_almanac; }
    DreamPage* Dreams() const { return m_dreams; }
    AboutPage* About() const { return m_about; }
    // The row of tool buttons that choose the pages, 公司起名 to 功能大全 (Alt+1 to Alt+6).
    const std::vector<QToolButton*>& PageButtons() const { return m_pageButtons; }

    // The close button: closes the data connections, deletes the lock files beside the data files
    // and ends the program.
    void RzToolButton12Click();
    // The minimise button.
    void RzToolButton11Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QToolButton* ToolButton(const char* name, const QString& label, const QString& hint, const QString& seal,
                            const QColor& color, int number);
    // Marks the button of the page shown (none for the about page).
    void MarkCurrentPage();

    std::unique_ptr<data::DataStore> m_store;
    QStackedWidget* m_pages;
    NamingPage* m_naming;
    AnalysisPage* m_analysis;
    ChartPage* m_chart;
    AlmanacPage* m_almanac;
    DreamPage* m_dreams;
    AboutPage* m_about;
    std::vector<QToolButton*> m_pageButtons;
    ContactAddresses m_contacts;
};

} // namespace korvani::app
