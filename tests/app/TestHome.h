#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// Points HOME and the XDG folders at a fresh temporary folder before the application object
// exists, so settings, logs and pictures written by a test never reach the real user's.
inline void isolateUserFolders(const QTemporaryDir& dir)
{
    const QString root = dir.path();
    const auto set = [&root](const char* name, const QString& sub) {
        const QString path = root + sub;
        QDir().mkpath(path);
        qputenv(name, QFile::encodeName(path));
    };
    set("HOME", QStringLiteral("/home"));
    set("XDG_CONFIG_HOME", QStringLiteral("/home/.config"));
    set("XDG_DATA_HOME", QStringLiteral("/home/.local/share"));
    set("XDG_CACHE_HOME", QStringLiteral("/home/.cache"));
    set("XDG_RUNTIME_DIR", QStringLiteral("/runtime"));
    QFile::setPermissions(root + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    set("XDG_PICTURES_DIR", QStringLiteral("/home/Pictures"));
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

#define PICTORB_ISOLATED_TEST_MAIN(TestClass)                                                      \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        QTemporaryDir home;                                                                        \
        isolateUserFolders(home);                                                                  \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
