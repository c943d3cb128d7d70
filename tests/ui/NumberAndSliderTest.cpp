// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTestSupport.h"

#include "KeltoImageView.h"
#include "OrvexWidgetFactory.h"
#include "WexNumberTextField.h"
#include "WexNumberValidator.h"
#include "WexProgressBar.h"

#include <QAccessible>

#include <memory>

using namespace orvex;

class NumberAndSliderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void validatorRefusesWhatRangeAndLengthForbid_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("negative");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("state");
        const int ok = QValidator::Acceptable;
        const int partial = QValidator::Intermediate;
        const int refused = QValidator::Invalid;
        QTest::newRow("count in range") << 0 << 9999 << 4 << false << "9999" << ok;
        QTest::newRow("five digits") << 0 << 99999 << 4 << false << "12345" << refused;
        QTest::newRow("above maximum") << 0 << 5000 << 4 << false << "5001" << refused;
        QTest::newRow("letters") << 0 << 9999 << 4 << false << "12a" << refused;
        QTest::newRow("sign not allowed") << 0 << 9999 << 4 << false << "-1" << refused;
        QTest::newRow("sign allowed") << -50 << 50 << 2 << true << "-50" << ok;
        QTest::newRow("below negative minimum") << -50 << 50 << 2 << true << "-51" << refused;
        QTest::newRow("lone sign") << -50 << 50 << 2 << true << "-" << partial;
        QTest::newRow("dpi on the way up") << 50 << 8200 << 4 << false << "1" << partial;
        QTest::newRow("dpi at maximum") << 50 << 8200 << 4 << false << "8200" << ok;
        QTest::newRow("empty") << 0 << 9999 << 4 << false << "" << partial;
        QTest::newRow("other digits")
            << 0 << 9999 << 4 << false << QStringLiteral("\u0661") << refused;
    }

    void validatorRefusesWhatRangeAndLengthForbid()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, length);
        QFETCH(bool, negative);
        QFETCH(QString, input);
        QFETCH(int, state);
        WexNumberValidator validator(minimum, maximum, length, negative);
        int position = 0;
        QCOMPARE(int(validator.validate(input, position)), state);
    }

    void typingIsLimitedAndSettledOnLeaving()
    {
        QWidget page;
        int changes = 0;
        WexNumberTextField *field =
            OrvexWidgetFactory::AddNumTextField(QRect(0, 0, 60, 20), &page, 8200, 50, 4, false,
                                                [&](WexNumberTextField *) { ++changes; });
        page.show();
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("-12345"));
        QCOMPARE(field->text(), QStringLiteral("1234"));
        QCOMPARE(changes, 4);
        field->clear();
        QTest::keyClicks(field, QStringLiteral("9"));
        QCOMPARE(field->intValue(), 50);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(field->text(), QStringLiteral("50"));
        changes = 0;
        field->setIntValue(100000);
        QCOMPARE(field->text(), QStringLiteral("8200"));
        QCOMPARE(changes, 0);
    }

    void numberFieldIsASpinBoxToAssistiveTechnology()
    {
        QWidget page;
        WexNumberTextField *field =
            OrvexWidgetFactory::AddNumTextField(QRect(0, 0, 60, 20), &page, 5000, 0, 4, false);
        field->setAccessibleName(QStringLiteral("Delay"));
        field->setIntValue(250);
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(field);
        QCOMPARE(face->role(), QAccessible::SpinBox);
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Delay"));
        QAccessibleValueInterface *value = face->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->currentValue().toInt(), 250);
        QCOMPARE(value->maximumValue().toInt(), 5000);
        value->setCurrentValue(9000);
        QCOMPARE(field->intValue(), 5000);
    }

    void sliderPositionsAreWholeAndLimited()
    {
        WexProgressBar bar;
        bar.resize(110, 20);
        bar.setMinValue(1);
        bar.setMaxValue(10);
        bar.setCurrentPos(4.6);
        QCOMPARE(bar.currentPos(), 5.0);
        bar.setCurrentPos(42);
        QCOMPARE(bar.currentPos(), 10.0);
        bar.setCalcuPosType(WexProgressBar::PosContinuous);
        bar.setCurrentPos(2.5);
        QCOMPARE(bar.currentPos(), 2.5);
    }

    void userMovesRunTheActionProgrammaticOnesDoNot()
    {
        KeltoImageView page(QRect(0, 0, 200, 50));
        QImage thumb(10, 10, QImage::Format_ARGB32);
        thumb.fill(Qt::red);
        QList<double> seen;
        WexProgressBar *bar = OrvexWidgetFactory::AddProBar(
            QRect(0, 0, 110, 20),
            [&](WexProgressBar *sender) { seen.append(sender->currentPos()); }, &page, thumb, 10,
            0);
        bar->setCurrentPos(3);
        QVERIFY(seen.isEmpty());
        // The thumb travels from x = 5 to x = 105: 10 pixels per step.
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(75, 10));
        QCOMPARE(seen, QList<double>{7.0});
        QTest::keyClick(bar, Qt::Key_Right);
        QTest::keyClick(bar, Qt::Key_End);
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(seen, (QList<double>{7.0, 8.0, 10.0}));
        QCOMPARE(bar->thumbCentre(0), QPoint(5, 10));
        QCOMPARE(bar->thumbCentre(10), QPoint(105, 10));
    }

    void continuousLookFillsUpToTheThumb()
    {
        WexProgressBar bar;
        bar.resize(110, 20);
        QImage background(110, 20, QImage::Format_ARGB32);
        background.fill(Qt::black);
        QImage filled(110, 20, QImage::Format_ARGB32);
        filled.fill(Qt::blue);
        bar.setBgImage(background);
        bar.setOverImage(filled);
        bar.setIsConImage(true);
        bar.setMaxValue(10);
        bar.setCurrentPos(5);
        const QImage drawn = test::rendered(&bar);
        QCOMPARE(QColor(drawn.pixel(20, 10)), QColor(Qt::blue));
        QCOMPARE(QColor(drawn.pixel(90, 10)), QColor(Qt::black));
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(&bar);
        QCOMPARE(face->role(), QAccessible::Slider);
        QCOMPARE(face->valueInterface()->currentValue().toDouble(), 5.0);
    }
};

ORVEX_UI_TEST_MAIN(NumberAndSliderTest)
#include "NumberAndSliderTest.moc"
