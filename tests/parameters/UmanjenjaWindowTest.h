#pragma once

// moc reads only this header: the test's own includes stay out of its sight.
#include <QObject>
#include <memory>

class UmanjenjaWindowTest : public QObject {
    Q_OBJECT
public:
    UmanjenjaWindowTest();
    ~UmanjenjaWindowTest() override;

private slots:
    void init();
    void cleanup();
    void menuShowsTheMonthsReductionsAndKeepsAControlNumber();

private:
    struct Fixture;
    std::unique_ptr<Fixture> f_;
};
