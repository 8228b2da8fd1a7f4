#pragma once

// moc reads only this header: the test's own includes stay out of its sight.
#include <QObject>
#include <memory>

class MesecIGodWindowTest : public QObject {
    Q_OBJECT
public:
    MesecIGodWindowTest();
    ~MesecIGodWindowTest() override;

private slots:
    void init();
    void cleanup();
    void proposesTheAdvanceUpToTheFifteenthAndTheFinalAfter();
    void aMonthPaidAtOnceIsAlwaysFinal();
    void startingCopiesOnceAndThenNamesEachChangedParameter();
    void closingWithoutStartingChoosesNoMonth();
    void calculationTypeIsWrittenIntoTheCallersCaptions();

private:
    struct Fixture;
    std::unique_ptr<Fixture> f_;
};
