#include <QtTest>
class ExerciseWindowTest : public QObject { Q_OBJECT };
QTEST_MAIN(ExerciseWindowTest)
#include "exercise_window_test.moc"
