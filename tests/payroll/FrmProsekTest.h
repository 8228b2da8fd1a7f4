#pragma once

// moc reads only this header: the test's own includes stay out of its sight.
#include <QObject>
#include <memory>

class FrmProsekTest : public QObject {
    Q_OBJECT
public:
    FrmProsekTest();
    ~FrmProsekTest() override;

private slots:
    void init();
    void cleanup();
    void emptyPeriodSaysSoAndShowsNoAverages();
    void secondCompanyJoinsWithACommonAverage();
    void zeroAsTheOtherNumberShowsTheFirstTableOnly();
    void menuCommandOpensTheWindow();

private:
    struct Fixture;
    std::unique_ptr<Fixture> f_;
};
