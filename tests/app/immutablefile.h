#pragma once
// Makes a file unwritable, even for the superuser, for as long as the object
// lives, where the file system allows it (chattr +i).
#include <QProcess>
#include <QString>

class ImmutableFile {
public:
    explicit ImmutableFile(const QString& path) : path_(path) {
        on_ = QProcess::execute("chattr", {"+i", path_}) == 0;
    }
    ~ImmutableFile() {
        if (on_) QProcess::execute("chattr", {"-i", path_});
    }
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;
    bool On() const { return on_; }

private:
    QString path_;
    bool on_ = false;
};
