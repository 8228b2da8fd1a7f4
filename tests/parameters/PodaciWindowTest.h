#pragma once

// moc reads only this header: the test's own includes stay out of its sight.
#include <QObject>
#include <memory>

class PodaciWindowTest : public QObject {
    Q_OBJECT
public:
    PodaciWindowTest();
    ~PodaciWindowTest() override;

private slots:
    void init();
    void cleanup();
    void wrongTaxNumberIsRefusedAndTheWindowStaysOnItsBox();
    void savedDataComesBackWhenTheMenuOpensTheWindowAgain();

private:
    struct Fixture;
    std::unique_ptr<Fixture> f_;
};
