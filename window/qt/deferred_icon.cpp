#include "window/qt/deferred_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>

namespace triangle {

namespace {

class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap which)
        : m_style(style), m_which(which)
    {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }

private:
    const QIcon& icon()
    {
        if (!m_read && m_style) {
            m_icon = m_style->standardIcon(m_which);
            m_read = true;
        }
        return m_icon;
    }

    QPointer<const QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QIcon m_icon;
    bool m_read = false;
};

} // namespace

QIcon DeferredStandardIcon(const QStyle* style, QStyle::StandardPixmap which)
{
    return QIcon(new DeferredIconEngine(style, which));
}

} // namespace triangle
