#include "TestSupport.h"
#include "TextFit.h"

#include <QRegularExpression>
#include <QScreen>

using platform::Forms;

namespace {

// Controls whose text may be cut, and why.
struct MayBeCut {
    const char* form;
    const char* controls; // a wildcard pattern of control names
    const char* reason;
};

const MayBeCut kMayBeCut[] = {
    {"frmTamble", "lblTip", "the tip of the day wraps in its box and what does not fit is cut off"},
    {"frmDetails", "Check7", "a narrow check box at the edge of the other place's name: only its box shows"},
    {"frmSchedule", "cbChoice*", "attraction names from the content, in boxes the window's layout sizes"},
    {"frmSchedule", "cbDescription*", "restaurant names from the content, in boxes the window's layout sizes"},
    {"frmQuick", "lstRides", "attraction names from the content, in a list the window's layout sizes"},
    {"frmQuickRestaurant", "lstRides", "restaurant names from the content, in a list the window's layout sizes"},
};

bool mayBeCut(const QString& form, const QString& control) {
    for (const MayBeCut& entry : kMayBeCut)
        if (form == QLatin1String(entry.form) &&
            QRegularExpression::fromWildcard(QString::fromLatin1(entry.controls)).match(control).hasMatch())
            return true;
    return false;
}

} // namespace

class TestFixedTextsFit : public QObject {
    Q_OBJECT

private slots:
    // Every window as it opens, with the shipped content and a trip profile:
    // each caption of a label or button and each entry of a list that is not
    // content can be read whole, in the program's fonts at 96 dots per inch.
    void everyFixedTextOfEveryWindowFitsItsControl() {
        QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0);
        // One program folder for all, with a trip profile; each window opens alone.
        TestWorld world;
        world.addTripProfile();
        QStringList names = Forms::registeredNames();
        QVERIFY(names.size() > 60);
        names.sort();
        QStringList offenders;
        for (const QString& name : names) {
            world.closeAll();
            platform::Form* form = Forms::open(name);
            QVERIFY2(form, qPrintable(name));
            for (QWidget* control : form->findChildren<QWidget*>()) {
                if (!control->isVisibleTo(form) || mayBeCut(name, control->objectName()))
                    continue;
                const QString where = name + QLatin1Char('.') + control->objectName() + QStringLiteral(": ");
                if (const QString cut = cutCaption(control); !cut.isEmpty())
                    offenders << where + cut;
                for (const QString& entry : cutEntries(control))
                    offenders << where + entry;
            }
        }
        QVERIFY2(offenders.isEmpty(), qPrintable(QStringLiteral("\n") + offenders.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestFixedTextsFit)
#include "tst_fixedtextsfit.moc"
