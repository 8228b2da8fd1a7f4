#pragma once

// moc reads only this header: the test's own includes stay out of its sight.
#include <QObject>
#include <memory>

class FrmObracunJedTest : public QObject {
    Q_OBJECT
public:
    FrmObracunJedTest();
    ~FrmObracunJedTest() override;

private slots:
    void init();
    void cleanup();
    void calculatePostAndPostAgainKeepOneRow();
    void netBelowTheMinimumIsRecalculatedOnYes();
    void overriddenTaxRateAndM4DaysReachThePosting();
    void cashInHandAboveTheAmountToPayIsReset();
    void postAllTickedPostsEveryTickedEmployeeWithOneMessage();
    void removingAnAdvanceLeavesNoLinkAfterPosting();
    void showsAPostedCalculationOrSaysItIsMissing();
    void popUpCommandsShowAndDeleteTheSelectedCalculation();
    void theKindChooserNamesTheKindAndTheCalculationRunsAsIt();

private:
    struct Fixture;
    std::unique_ptr<Fixture> f_;
};
