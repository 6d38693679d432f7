#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>
#include <optional>

class QWidget;

// The frame the window manager draws around a top-level window, as it reports it on X11
// (_NET_FRAME_EXTENTS). Window managers report the frame late, after the window is mapped, and
// may change it at any time (a theme change), so the frame is watched for the window's life.
// Elsewhere (offscreen, Wayland) no frame is ever reported.
class FrameExtents : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit FrameExtents(QWidget* window);
    ~FrameExtents() override;

    // Before the window is first mapped: asks the window manager for the frame it will draw and
    // waits a moment for the answer, so the first frame the user sees has the right outer size.
    void requestBeforeMapping();
    // The frame last reported; none when the window system has reported no frame.
    std::optional<QMargins> margins() const { return m_margins; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    // The reported frame differs from the one reported before.
    void changed();

private:
    bool read();

    QWidget* m_window;
    std::optional<QMargins> m_margins;
    unsigned m_frameAtom = 0;
};
