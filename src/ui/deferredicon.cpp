#include "ui/deferredicon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>

namespace
{

// Every question goes to the style's icon, made on the first one.
class DeferredStandardIconEngine final : public QIconEngine
{
public:
    DeferredStandardIconEngine(const QStyle* style, QStyle::StandardPixmap picture) : m_style(style), m_picture(picture)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        // The rectangle is already the icon's own size, aligned: centring it again keeps it.
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    // QIcon::actualSize would scale the size by the screen's pixel ratio once more; the pixmap
    // the style's icon gives at ratio 1 has the size its own engine answers.
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmap(size, mode, state).size();
    }

    // At ratio 1 QIcon::pixmap asks the style's engine for exactly this pixmap.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }

    // QIcon asks with the size already multiplied by the ratio, and QIcon::pixmap multiplies the
    // size it is given: giving it the size divided by the ratio asks the style's engine for this.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size / scale, scale, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }

    QString iconName() override { return icon().name(); }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("hx.deferredstandardicon"); }
    QIconEngine* clone() const override { return new DeferredStandardIconEngine(*this); }

private:
    DeferredStandardIconEngine(const DeferredStandardIconEngine& other) = default;

    const QIcon& icon()
    {
        if (!m_made) {
            // A style replaced meanwhile is gone; the application's is the one the window uses.
            const QStyle* style = m_style ? m_style.data() : QApplication::style();
            m_icon = style->standardIcon(m_picture);
            m_made = true;
        }
        return m_icon;
    }

    QPointer<const QStyle> m_style;
    QStyle::StandardPixmap m_picture;
    QIcon m_icon;
    bool m_made = false;
};

} // namespace

QIcon deferredStandardIcon(const QStyle* style, QStyle::StandardPixmap picture)
{
    return QIcon(new DeferredStandardIconEngine(style, picture));
}
