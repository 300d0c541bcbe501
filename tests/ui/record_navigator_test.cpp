#include "ui/record_navigator.h"
#include "ui/result_table_model.h"

#include <QFile>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Move = zova::RecordNavigator::Move;

namespace {

const QString kShippedPictures = QStringLiteral(ZOVA_SOURCE_DIR "/assets/Botoes");

bool allIconsPresent(const zova::RecordNavigator& nav)
{
    for (Move m : { Move::First, Move::Prior, Move::Next, Move::Last }) {
        if (nav.button(m)->icon().isNull() || nav.button(m)->icon().pixmap(24).isNull())
            return false;
    }
    return true;
}

TEST(RecordNavigator, MissingPicturesFallBackToDrawnArrows)
{
    QTemporaryDir dir;
    zova::RecordNavigator missing(dir.filePath(u"Botoes"_s), nullptr);
    EXPECT_EQ(missing.picturesLoaded(), 0);
    EXPECT_TRUE(allIconsPresent(missing));

    // The program's own folder has no pictures in the test build either.
    zova::RecordNavigator beside;
    EXPECT_TRUE(beside.defaultPictureFolder().endsWith(u"/Botoes"_s));
    EXPECT_TRUE(allIconsPresent(beside));

    // One unreadable, one good, two missing: each falls back on its own.
    QFile broken(dir.filePath(u"First.bmp"_s));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    ASSERT_TRUE(QFile::copy(kShippedPictures + u"/Next.bmp"_s, dir.filePath(u"Next.bmp"_s)));
    zova::RecordNavigator partial(dir.path(), nullptr);
    EXPECT_EQ(partial.picturesLoaded(), 1);
    EXPECT_TRUE(allIconsPresent(partial));
}

TEST(RecordNavigator, ShippedPicturesLoadWithTransparentBackground)
{
    zova::RecordNavigator nav(kShippedPictures, nullptr);
    EXPECT_EQ(nav.picturesLoaded(), 4);
    const QImage next = nav.button(Move::Next)->icon().pixmap(24).toImage();
    ASSERT_EQ(next.size(), QSize(24, 24));
    EXPECT_EQ(qAlpha(next.pixel(0, 23)), 0); // the key colour is see-through
    EXPECT_EQ(qAlpha(next.pixel(11, 12)), 255); // the arrow is not
}

struct NavigatorOverGrid : ::testing::Test {
    zova::ResultTableModel model { { { .field = u"id"_s, .title = u"Cód."_s } } };
    QTableView view;
    zova::RecordNavigator nav { QString(), nullptr };

    void SetUp() override
    {
        zova::setupGrid(view, model);
        nav.setView(&view);
    }
    void load(int rows)
    {
        zova::ResultSet rs({ { u"id"_s, zova::ResultSet::Kind::Integer } });
        for (int i = 1; i <= rows; ++i)
            rs.appendRow(QStringList { QString::number(i) });
        model.setResult(rs);
    }
    int row() const { return view.currentIndex().row(); }
    bool enabled(Move m) const { return nav.button(m)->isEnabled(); }
};

TEST_F(NavigatorOverGrid, MovesTheCurrentRow)
{
    load(5);
    QSignalSpy triggered(&nav, &zova::RecordNavigator::triggered);
    nav.button(Move::Last)->click();
    EXPECT_EQ(row(), 4);
    EXPECT_FALSE(enabled(Move::Next));
    EXPECT_FALSE(enabled(Move::Last));
    EXPECT_TRUE(enabled(Move::First));
    nav.next(); // at the end: stays
    EXPECT_EQ(row(), 4);
    nav.button(Move::Prior)->click();
    EXPECT_EQ(row(), 3);
    EXPECT_TRUE(view.selectionModel()->isRowSelected(3, {}));
    nav.button(Move::First)->click();
    EXPECT_EQ(row(), 0);
    EXPECT_FALSE(enabled(Move::First));
    EXPECT_FALSE(enabled(Move::Prior));
    nav.button(Move::Next)->click();
    EXPECT_EQ(row(), 1);
    ASSERT_EQ(triggered.count(), 5);
    EXPECT_EQ(triggered.at(0).at(0).value<Move>(), Move::Last);
    EXPECT_EQ(triggered.at(4).at(0).value<Move>(), Move::Next);
}

TEST_F(NavigatorOverGrid, EmptyGridDisablesEverything)
{
    load(0);
    for (Move m : { Move::First, Move::Prior, Move::Next, Move::Last })
        EXPECT_FALSE(enabled(m));
    nav.last();
    EXPECT_FALSE(view.currentIndex().isValid());
    load(2); // new rows bring the buttons back
    EXPECT_TRUE(enabled(Move::Last));
}

} // namespace
