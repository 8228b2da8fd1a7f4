#pragma once

// moc reads only this header: the test's own includes stay out of its sight (the moc of Qt 6.4
// cannot parse the C++20 library headers they bring in).
#include <QObject>
#include <memory>

class DeductionWindowsTest : public QObject {
    Q_OBJECT
public:
    DeductionWindowsTest();
    ~DeductionWindowsTest() override;

private slots:
    void init();
    void cleanup();
    void setForAllAndRemoveFromAllRewriteTheParticipations();
    void doubleClickTogglesOneEmployee();
    void unsavedDeductionCannotBeSetForAll();
    void perEmployeeWindowShowsInactiveDeductionsInRed();
    void loanWindowSplitsTheInstalmentAndCountsTheMonths();
    void loanWindowRefusesToDeleteAUsedLoan();
    void ctrlIExportsTheRunningLoansOfEveryCreditor();
    void everyCommandOpensItsWindow();
    void screenshots();

private:
    struct Fixture;
    std::unique_ptr<Fixture> f_;
};
