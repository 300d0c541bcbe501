#include "ui/record_navigator.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QItemSelectionModel>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace zova {

namespace {

constexpr std::array kMoves = { RecordNavigator::Move::First, RecordNavigator::Move::Prior,
    RecordNavigator::Move::Next, RecordNavigator::Move::Last };

QString pictureFile(RecordNavigator::Move move)
{
    switch (move) {
    case RecordNavigator::Move::First:
        return u"First.bmp"_s;
    case RecordNavigator::Move::Prior:
        return u"Prior.bmp"_s;
    case RecordNavigator::Move::Next:
        return u"Next.bmp"_s;
    case RecordNavigator::Move::Last:
        break;
    }
    return u"Last.bmp"_s;
}

QString hint(RecordNavigator::Move move)
{
    switch (move) {
    case RecordNavigator::Move::First:
        return u"Primeiro"_s;
    case RecordNavigator::Move::Prior:
        return u"Anterior"_s;
    case RecordNavigator::Move::Next:
        return u"Próximo"_s;
    case RecordNavigator::Move::Last:
        break;
    }
    return u"Último"_s;
}

} // namespace

QIcon loadGlyph(const QString& path)
{
    QImage image(path);
    if (image.isNull())
        return {};
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1) & RGB_MASK;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
        }
    }
    return QIcon(QPixmap::fromImage(image));
}

QIcon drawnNavigatorIcon(RecordNavigator::Move move, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 128));
    const qreal s = size;
    const bool left = move == RecordNavigator::Move::First || move == RecordNavigator::Move::Prior;
    const bool bar = move == RecordNavigator::Move::First || move == RecordNavigator::Move::Last;
    // A triangle pointing the way of the move, with a bar at the end for first and last.
    const qreal tip = left ? s * 0.30 : s * 0.70;
    const qreal base = left ? s * 0.70 : s * 0.30;
    QPainterPath arrow;
    arrow.moveTo(tip, s * 0.5);
    arrow.lineTo(base, s * 0.25);
    arrow.lineTo(base, s * 0.75);
    arrow.closeSubpath();
    painter.drawPath(arrow);
    if (bar) {
        const qreal x = left ? s * 0.20 : s * 0.70;
        painter.drawRect(QRectF(x, s * 0.25, s * 0.10, s * 0.50));
    }
    return QIcon(pixmap);
}

RecordNavigator::RecordNavigator(QWidget* parent)
    : RecordNavigator(defaultPictureFolder(), parent)
{
}

RecordNavigator::RecordNavigator(const QString& pictureFolder, QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (Move m : kMoves) {
        auto* button = new QToolButton(this);
        button->setObjectName(u"navigator"_s + pictureFile(m).chopped(4));
        button->setToolTip(hint(m));
        button->setIconSize(QSize(24, 24));
        button->setAutoRaise(false);
        // The grid keeps the focus; Enter-as-Tab never stops on the navigator.
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, m] { move(m); });
        layout->addWidget(button);
        m_buttons[static_cast<size_t>(m)] = button;
    }
    loadPictures(pictureFolder);
    updateButtons();
}

QString RecordNavigator::defaultPictureFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(u"Botoes"_s);
}

int RecordNavigator::loadPictures(const QString& folder)
{
    m_loaded = 0;
    const QDir dir(folder);
    for (Move m : kMoves) {
        QIcon icon = loadGlyph(dir.filePath(pictureFile(m)));
        if (icon.isNull())
            icon = drawnNavigatorIcon(m);
        else
            ++m_loaded;
        button(m)->setIcon(icon);
    }
    return m_loaded;
}

void RecordNavigator::setView(QAbstractItemView* view)
{
    disconnect(m_currentChanged);
    for (const auto& c : std::as_const(m_modelConnections))
        disconnect(c);
    m_modelConnections.clear();
    m_view = view;
    if (view && view->selectionModel()) {
        m_currentChanged = connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &RecordNavigator::updateButtons);
        QAbstractItemModel* model = view->model();
        m_modelConnections
            << connect(model, &QAbstractItemModel::modelReset, this, &RecordNavigator::updateButtons)
            << connect(model, &QAbstractItemModel::rowsInserted, this, &RecordNavigator::updateButtons)
            << connect(model, &QAbstractItemModel::rowsRemoved, this, &RecordNavigator::updateButtons)
            << connect(model, &QAbstractItemModel::layoutChanged, this, &RecordNavigator::updateButtons);
    }
    updateButtons();
}

QAbstractItemView* RecordNavigator::view() const
{
    return m_view;
}

void RecordNavigator::move(Move m)
{
    if (m_view && m_view->model()) {
        QAbstractItemModel* model = m_view->model();
        const QModelIndex root = m_view->rootIndex();
        const int rows = model->rowCount(root);
        if (rows > 0) {
            const QModelIndex current = m_view->currentIndex();
            const int row = current.isValid() ? current.row() : -1;
            int target = 0;
            switch (m) {
            case Move::First:
                target = 0;
                break;
            case Move::Prior:
                target = std::max(row - 1, 0);
                break;
            case Move::Next:
                target = std::min(row + 1, rows - 1);
                break;
            case Move::Last:
                target = rows - 1;
                break;
            }
            const int column = current.isValid() ? current.column() : 0;
            const QModelIndex to = model->index(target, column, root);
            m_view->setCurrentIndex(to);
            m_view->scrollTo(to);
        }
    }
    emit triggered(m);
}

void RecordNavigator::updateButtons()
{
    if (!m_view || !m_view->model()) {
        for (QToolButton* b : m_buttons)
            b->setEnabled(true);
        return;
    }
    const int rows = m_view->model()->rowCount(m_view->rootIndex());
    const QModelIndex current = m_view->currentIndex();
    const int row = current.isValid() ? current.row() : -1;
    const bool canGoBack = rows > 0 && row != 0;
    const bool canGoOn = rows > 0 && row != rows - 1;
    button(Move::First)->setEnabled(canGoBack);
    button(Move::Prior)->setEnabled(canGoBack);
    button(Move::Next)->setEnabled(canGoOn);
    button(Move::Last)->setEnabled(canGoOn);
}

} // namespace zova
