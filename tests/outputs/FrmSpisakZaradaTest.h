#pragma once

// moc reads only this header: the test's own includes stay out of its sight.
#include <QObject>
#include <memory>

class FrmSpisakZaradaTest : public QObject {
    Q_OBJECT
public:
    FrmSpisakZaradaTest();
    ~FrmSpisakZaradaTest() override;

private slots:
    void init();
    void cleanup();
    void showBuildsBothListsAndTheTotals();
    void changedMonthWaitsForShowAgain();
    void unitAndFirstPartChooseTheRows();
    void repairKeyFixesTheEmployerPension();
    void menuCommandOpensTheWindow();

private:
    struct Fixture;
    std::unique_ptr<Fixture> f_;
};
