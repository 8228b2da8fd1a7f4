#pragma once

// moc reads only this header: the test's own includes stay out of its sight.
#include <QObject>
#include <memory>

class FrmPPPPDTest : public QObject {
    Q_OBJECT
public:
    FrmPPPPDTest();
    ~FrmPPPPDTest() override;

private slots:
    void init();
    void cleanup();
    void loadAndFillShowTheHeaderRowsAndTotals();
    void checkBoxesRecomputeTheTotals();
    void exportAfterTheChecksNamesTheFileWritten();
    void errorsStopTheExportUnlessConfirmed();
    void overridesNeedTheSupervisorsCode();
    void rowEditorWritesTheRowBack();
    void payrollListOpensTheReturnAfterTheReliefQuestions();

private:
    struct Fixture;
    std::unique_ptr<Fixture> f_;
};
