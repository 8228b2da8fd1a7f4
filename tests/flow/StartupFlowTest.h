#pragma once

// moc reads only this header: the test's own includes stay out of its sight (the moc of Qt 6.4
// cannot parse the C++20 library headers they bring in).
#include <QObject>
#include <memory>

class StartupFlowTest : public QObject {
    Q_OBJECT
public:
    StartupFlowTest();
    ~StartupFlowTest() override;

private slots:
    void init();
    void cleanup();
    void wrongPasswordKeepsTheLoginWindowOpen();
    void walksFromSignInToTheMainWindow();
    void olderCompanyDatabaseIsArchivedAndUpgraded();
    void registerKeysCreateAndRemoveCompanies();
    void aDamagedRegisterEndsTheWayWithItsMessage();
    void aReadOnlyRegisterSaysSoWhenSignInWrites();
    void aRegisterLockedByAnotherProgramRefusesANewCompany();
    void aDamagedCompanyBringsTheCompanyListBack();

private:
    struct Fixture;
    std::unique_ptr<Fixture> f_;
};
