#pragma once

#include <QImage>
#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <atomic>
#include <memory>

namespace casewright {

// Produces the thumbnails of the template window away from the user
// interface thread, so that the window (made each time the designer opens)
// costs next to nothing to create. Thumbnails already known from earlier in
// the run arrive at once, inside start(); the others arrive one by one, in
// list order as far as the worker threads allow, through thumbnailReady in
// the thread that owns the loader.
class TemplateThumbnailLoader : public QObject {
    Q_OBJECT

public:
    explicit TemplateThumbnailLoader(QObject* parent = nullptr);
    // Work not yet begun is dropped; the loader waits for running work.
    ~TemplateThumbnailLoader() override;

    // Starts on the files of `paths`; thumbnail n belongs to paths[n]. Only
    // the first call does anything.
    void start(const QStringList& paths, bool discView);

    bool isFinished() const { return started_ && outstanding_ == 0; }

    // A thumbnail as the list shows it: the file read and drawn, or a null
    // image when it cannot be read. Used by the workers; also for callers that
    // need one thumbnail now.
    static QImage produce(const QString& path, bool discView);

signals:
    // `thumbnail` is null for a file that cannot be read as an image.
    void thumbnailReady(int index, const QImage& thumbnail);
    void finished();

private:
    void deliver(int index, const QImage& thumbnail);
    void queue(int index, const QString& path, bool discView);

    QThreadPool pool_;
    std::shared_ptr<std::atomic_bool> cancelled_;
    bool started_ = false;
    int outstanding_ = 0;
};

}  // namespace casewright
