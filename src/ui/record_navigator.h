#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

class QAbstractItemView;
class QIcon;
class QToolButton;

namespace zova {

// First / prior / next / last buttons over a grid. With a view attached they move its current
// row (and the buttons that cannot move are disabled); either way they emit triggered().
// The pictures come from First.bmp, Prior.bmp, Next.bmp and Last.bmp in the pictures folder
// ("Botoes" beside the program); any picture missing or unreadable is drawn instead.
class RecordNavigator : public QWidget {
    Q_OBJECT

public:
    enum class Move { First, Prior, Next, Last };

    explicit RecordNavigator(QWidget* parent = nullptr);
    // Loads from `pictureFolder` instead of the folder beside the program.
    RecordNavigator(const QString& pictureFolder, QWidget* parent);

    // "<program folder>/Botoes".
    static QString defaultPictureFolder();
    // Loads the four pictures again; returns how many came from files.
    int loadPictures(const QString& folder);
    // How many of the four pictures came from files (0: all drawn).
    int picturesLoaded() const { return m_loaded; }

    void setView(QAbstractItemView* view);
    QAbstractItemView* view() const;
    QToolButton* button(Move move) const { return m_buttons[static_cast<size_t>(move)]; }

public slots:
    void move(zova::RecordNavigator::Move move);
    void first() { move(Move::First); }
    void prior() { move(Move::Prior); }
    void next() { move(Move::Next); }
    void last() { move(Move::Last); }
    // Enables the buttons by the view's position (called on every change the view reports).
    void updateButtons();

signals:
    void triggered(zova::RecordNavigator::Move move);

private:
    std::array<QToolButton*, 4> m_buttons {};
    QPointer<QAbstractItemView> m_view;
    QMetaObject::Connection m_currentChanged;
    QList<QMetaObject::Connection> m_modelConnections;
    int m_loaded = 0;
};

// A navigator picture from a file, its bottom-left pixel colour made transparent (the usual
// convention for button glyphs); a null icon when the file is missing or unreadable.
QIcon loadGlyph(const QString& path);
// The drawn picture for one move: navy arrows with a bar for first and last.
QIcon drawnNavigatorIcon(RecordNavigator::Move move, int size = 24);

} // namespace zova
