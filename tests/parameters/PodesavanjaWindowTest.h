#pragma once

// moc reads only this header: the test's own includes stay out of its sight.
#include <QObject>
#include <memory>

class PodesavanjaWindowTest : public QObject {
    Q_OBJECT
public:
    PodesavanjaWindowTest();
    ~PodesavanjaWindowTest() override;

private slots:
    void init();
    void cleanup();
    void firstSaveCreatesTheRowAndCloses();
    void refusedValueStoresNothingNamesTheColumnAndStaysOpen();
    void fortyFiveColumnsLieInTwoColumnsOfBoxes();
    void descriptionsStandWholeBesideTheirBoxesWithinTheScreen();
    void menuOpensTheEditorsAndLeavesTheMonthCalculationForLater();
    void screenshots();

private:
    struct Fixture;
    std::unique_ptr<Fixture> f_;
};
