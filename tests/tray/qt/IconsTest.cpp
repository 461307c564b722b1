#include <QImage>
#include <QtTest>
#include <algorithm>
#include <initializer_list>

#include "resources/Icons.h"

namespace tess::test {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kGround = 0xFFB1FFFF;
constexpr QRgb kLetter = 0xFF07A2FE;

QList<QSize> Squares(std::initializer_list<int> sides) {
    QList<QSize> sizes;
    for (const int side : sides) sizes.append(QSize(side, side));
    return sizes;
}

QList<QSize> Sorted(QList<QSize> sizes) {
    std::sort(sizes.begin(), sizes.end(),
              [](const QSize& a, const QSize& b) { return a.width() < b.width(); });
    return sizes;
}

class IconsTest : public QObject {
    Q_OBJECT

private slots:
    void iconsComeInTheirSizes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<QSize>>("sizes");
        QTest::newRow("tray") << QString(icons::kTray) << Squares({16, 22, 24, 32, 48});
        QTest::newRow("application")
            << QString(icons::kApplication) << Squares({16, 32, 48, 128, 256});
    }
    void iconsComeInTheirSizes() {
        QFETCH(QString, name);
        QFETCH(QList<QSize>, sizes);

        QCOMPARE(Sorted(icons::LoadIcon(name).availableSizes()), sizes);
    }

    void theTrayIconIsTheDrawnDesign() {
        const QImage image = icons::LoadIcon(icons::kTray).pixmap(16).toImage();

        QCOMPARE(image.size(), QSize(16, 16));
        QVERIFY2(!image.hasAlphaChannel(), "no transparent pixels");
        for (int i = 0; i < 16; ++i) {
            for (const QPoint edge : {QPoint(i, 0), QPoint(i, 15), QPoint(0, i), QPoint(15, i)}) {
                QCOMPARE(image.pixel(edge), kBlack);
            }
        }
        int ground = 0;
        int letter = 0;
        for (int y = 1; y < 15; ++y) {
            for (int x = 1; x < 15; ++x) {
                const QRgb pixel = image.pixel(x, y);
                QVERIFY2(pixel == kBlack || pixel == kGround || pixel == kLetter, "three colours");
                ground += pixel == kGround;
                letter += pixel == kLetter;
            }
        }
        QVERIFY2(ground > 0 && letter > 0, "a letter on a ground");
    }

    void anUnknownIconIsNull() { QVERIFY(icons::LoadIcon("no-such-icon").isNull()); }
};

}  // namespace tess::test

QTEST_MAIN(tess::test::IconsTest)
#include "IconsTest.moc"
