#pragma once

// moc reads only this header: the test's own includes stay out of its sight.
#include <QObject>
#include <memory>

class PrijavaWindowTest : public QObject {
    Q_OBJECT
public:
    PrijavaWindowTest();
    ~PrijavaWindowTest() override;

private slots:
    void init();
    void cleanup();
    void correctedSubRowIsShownWithItsDerivedRows();
    void lockedRowIsRefusedBeforeAnythingIsAsked();
    void contributionsWithoutAccountsDoNotOpen();

private:
    struct Fixture;
    std::unique_ptr<Fixture> f_;
};
