#pragma once

// moc reads only this header: the test's own includes stay out of its sight.
#include <QObject>
#include <memory>

class FrmZaposleniTest : public QObject {
    Q_OBJECT
public:
    FrmZaposleniTest();
    ~FrmZaposleniTest() override;

private slots:
    void init();
    void cleanup();
    void f5FillSaveShowsTheNewRow();
    void blankNameIsRefusedAndNothingWritten();
    void f6ChangesTheSelectedEmployee();
    void f9IsRefusedWhileADeductionRowExists();
    void filtersChangeTheFooterCount();
    void ownersAreBlueAndCtrlPTurnsTheFlag();
    void ctrlOWritesTheMunicipalityIntoEveryEmployee();
    void ctrlTTakesAnEmployeeOverIntoThePanel();
    void escClosesThePanelThenTheWindow();
    void unitAndBankInUseAreNotRemoved();
    void searchPutsTheChosenNumberIntoTheBox();
    void menuCommandsOpenTheWindows();
    void deductionsButtonOpensTheEmployeesDeductions();
    void screenshots();

private:
    struct Fixture;
    std::unique_ptr<Fixture> f_;
};
