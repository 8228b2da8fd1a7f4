#pragma once

// moc reads only this header: the test's own includes stay out of its sight.
#include <QObject>
#include <memory>

class FrmObracunNetoTest : public QObject {
    Q_OBJECT
public:
    FrmObracunNetoTest();
    ~FrmObracunNetoTest() override;

private slots:
    void init();
    void cleanup();
    void theListIsRedUntilPostedAndCounted();
    void calculateAndPostOneEmployee();
    void calculateAllShowsProgressAndOneMessage();
    void aFullDiskEndsCalculateAllWithOneMessageAndNothingPosted();
    void ctrlARepostsOnlyWithTheAccessCode();
    void theAdvanceWindowPostsOnlyAdvances();
    void theAdvanceProposesTheFirstPartOfTheMonth();
    void aNegativePayoutIsRedAndAskedAboutBeforePosting();
    void doubleClickOverridesTheAverageAndADeduction();
    void theMenuCommandOpensTheBatchWindow();

private:
    struct Fixture;
    std::unique_ptr<Fixture> f_;
};
