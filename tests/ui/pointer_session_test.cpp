// A session with the pointer alone, as the learner drags and points: the window must look exactly
// as it always has, whatever the keyboard and screen-reader support adds. The picture it is held
// against was taken from the window before that support existed.
#include "tests/ui/window_driver.h"

namespace {

QImage sessionPicture()
{
    Window w(1, 1);
    ExerciseWindow& f = *w.form;
    w.drag(w.itemShowing(QStringLiteral("canto")), f.targets[0]);
    w.drag(w.itemShowing(QStringLiteral("cantàvem")), f.targets[3]);
    w.drag(f.targets[3], f.pool[41]);
    w.moveTo(f.scoreButton);
    w.click(f.menuButton);
    w.moveTo(f.instructionsEntry);
    return f.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

const QString kReference = QStringLiteral(CONJUGACIO_REFERENCE_DIR "/pointer_session.png");

}  // namespace

class PointerSessionTest : public QObject {
    Q_OBJECT

private slots:
    void looksAsItAlwaysHas()
    {
        const QImage picture = sessionPicture();
        if (qEnvironmentVariableIsSet("CONJUGACIO_WRITE_REFERENCE"))
            QVERIFY(picture.save(kReference));
        const QImage reference = QImage(kReference).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(picture.size(), reference.size());
        int differing = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                differing += picture.pixel(x, y) != reference.pixel(x, y);
        QCOMPARE(differing, 0);
    }
};

QTEST_MAIN(PointerSessionTest)
#include "pointer_session_test.moc"
