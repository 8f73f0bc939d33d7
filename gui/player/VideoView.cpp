#include "gui/player/VideoView.h"

#include <QDebug>
#include <QOpenGLContext>

#include <mpv/render_gl.h>

#include "core/video/VideoEngine.h"

VideoView::VideoView(VideoEngine* engine, QWidget* parent) : QOpenGLWidget(parent), m_engine(engine)
{
    setObjectName(QStringLiteral("video_view"));
    // A click on the film takes the keys from a text field, so Space plays again.
    setFocusPolicy(Qt::ClickFocus);
}

VideoView::~VideoView()
{
    releaseRender();
    // The base class destroys the context after this part of the object is gone.
    if (QOpenGLContext* gl = context())
        disconnect(gl, nullptr, this, nullptr);
}

void* VideoView::procAddress(void*, const char* name)
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void*>(context->getProcAddress(QByteArray(name))) : nullptr;
}

// Called on one of the engine's threads.
void VideoView::frameWaiting(void* view)
{
    QMetaObject::invokeMethod(static_cast<VideoView*>(view), qOverload<>(&QWidget::update),
                              Qt::QueuedConnection);
}

void VideoView::initializeGL()
{
    releaseRender();
    if (!m_engine->handle()) {
        emit failed();
        return;
    }
    mpv_opengl_init_params glInit{&VideoView::procAddress, nullptr};
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_OPENGL)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &glInit},
        {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (mpv_render_context_create(&m_render, m_engine->handle(), params) < 0) {
        qWarning() << "VideoView: libmpv cannot draw into this OpenGL context";
        m_render = nullptr;
        emit failed();
        return;
    }
    mpv_render_context_set_update_callback(m_render, &VideoView::frameWaiting, this);
    // The context goes with a move to another window; the renderer must go first.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &VideoView::releaseRender,
            Qt::DirectConnection);
    emit ready();
}

void VideoView::paintGL()
{
    if (!m_render)
        return;
    const qreal ratio = devicePixelRatioF();
    mpv_opengl_fbo fbo{int(defaultFramebufferObject()), int(width() * ratio), int(height() * ratio),
                       0};
    int flip = 1;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
                                 {MPV_RENDER_PARAM_FLIP_Y, &flip},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    mpv_render_context_render(m_render, params);
}

void VideoView::releaseRender()
{
    if (!m_render)
        return;
    // Freeing needs the context current; it also waits out an update call in flight.
    makeCurrent();
    mpv_render_context_free(m_render);
    m_render = nullptr;
    doneCurrent();
}
