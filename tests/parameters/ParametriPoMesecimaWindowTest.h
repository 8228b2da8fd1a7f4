#pragma once

// moc reads only this header: the test's own includes stay out of its sight.
#include <QObject>
#include <memory>

class ParametriPoMesecimaWindowTest : public QObject {
    Q_OBJECT
public:
    ParametriPoMesecimaWindowTest();
    ~ParametriPoMesecimaWindowTest() override;

private slots:
    void init();
    void cleanup();
    void aMonthNotStartedIsToldAndCannotBeSaved();
    void aStartedMonthShowsItsRatesAndSavesTheBoxes();
    void thePre2013FillAsksFirstAndStopsAtApril2013();

private:
    struct Fixture;
    std::unique_ptr<Fixture> f_;
};
