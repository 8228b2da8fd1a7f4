#pragma once

// moc reads only this header: the test's own includes stay out of its sight (the moc of Qt 6.4
// cannot parse the C++20 library headers they bring in).
#include <QObject>
#include <memory>

class PomocneTest : public QObject {
    Q_OBJECT
public:
    PomocneTest();
    ~PomocneTest() override;

private slots:
    void init();
    void cleanup();
    void onlyTheAccessCodeOpensTheWindow();
    void boxSwitchesCalculationWithoutDeductions();
    void finalToAdvanceForTheMonthAndForOneEmployee();
    void orphanCalculationsAreRemoved();
    void takingOverIsRefusedThenCopiesAndEndsTheProgram();
    void schemaMergeOpensOnTheTwoChosenDatabases();
    void deletingOneCalculationActsOnTheActiveCalculationWindow();
    void healthFundReportAsksTheMonthAndFillsTheSheet();

private:
    struct Fixture;
    std::unique_ptr<Fixture> f_;
};
