// The undo keys of the equation control: Ctrl+Z undoes the last edit, Ctrl+Y
// and Ctrl+Shift+Z redo it; the keys type nothing and raise no key press, and
// the other keys keep their meaning with Ctrl held or not.
#include "eqedit/teqedit.h"

#include <QtTest>

class TestUndoKeys : public QObject {
    Q_OBJECT
private slots:
    void keys_data();
    void keys();
};

namespace {

// "z" "y" with Ctrl, "Z" with Ctrl+Shift; '<' a Left press, '^' an Up press,
// any other character is typed.
void send(TEqEdit& w, const QString& keys)
{
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QChar c = keys.at(i);
        if (c == u'z')
            QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        else if (c == u'Z')
            QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        else if (c == u'y')
            QTest::keyClick(&w, Qt::Key_Y, Qt::ControlModifier);
        else if (c == u'<')
            QTest::keyClick(&w, Qt::Key_Left);
        else if (c == u'^')
            QTest::keyClick(&w, Qt::Key_Up);
        else
            QTest::keyClicks(&w, QString(c));
    }
}

} // namespace

void TestUndoKeys::keys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("raised");

    QTest::newRow("undo") << "abz" << "a" << 1 << "ab";
    QTest::newRow("redo with Ctrl+Y") << "abzzy" << "a" << 1 << "ab";
    QTest::newRow("redo with Ctrl+Shift+Z") << "abzzZZ" << "ab" << 2 << "ab";
    QTest::newRow("caret where it was") << "abc<<z" << "ab" << 2 << "abc";
    QTest::newRow("marker of Up") << "x^2zz" << "x" << 1 << "x#2";
    QTest::newRow("nothing to undo") << "z" << "" << 0 << "";
}

void TestUndoKeys::keys()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, raised);
    TEqEdit w;
    QString seen;
    w.OnKeyPress = [&](QChar& c) { seen += c; };
    send(w, keys);
    QCOMPARE(w.Equation(), text);
    QCOMPARE(w.model().caretIndex(), caret);
    QCOMPARE(seen, raised);
}

QTEST_MAIN(TestUndoKeys)
#include "undokeys_qtest.moc"
