#pragma once

#include "core/project/ProjectData.h"

#include <QString>

// The collection kept on disk while the user works, so a crash, a kill or a close with unsaved
// changes loses nothing: a folder in the user's data folder with each still written once, in its
// original bytes, and a description rewritten in one step after every change. Saving writes
// only what is new, so it costs little after each key; it runs off the GUI thread.
class SessionStore final
{
public:
    explicit SessionStore(const QString& folder = defaultFolder());

    static QString defaultFolder();

    bool exists() const;
    // projectPath: the project the collection belongs to, empty for none; modified: whether it
    // has changes the project does not hold.
    bool save(const ProjectData& data, const QString& projectPath, bool modified, QString* error);
    bool load(ProjectData* data, QString* projectPath, bool* modified, QString* error) const;
    // Forgets the session: the next start begins empty.
    void discard();

private:
    QString m_folder;
};
