#pragma once

#include <QString>

// The network addresses the application talks to. Each has a compiled-in default that an
// environment variable overrides (tests point them at 127.0.0.1); an empty value switches
// that use off, and callers then skip the request.
class Endpoints final
{
public:
    static QString siteUrl();   // PICTORB_SITE_URL: the maker's web site
    static QString updateUrl(); // PICTORB_UPDATE_URL: host of the update manifest
    static QString speechUrl(); // PICTORB_SPEECH_URL: the speech-recognition service
    // PICTORB_TRANSCRIPTION_URL: an OpenAI-compatible transcription server
    static QString transcriptionUrl();

    // The maker's site with a path appended; empty when the site is switched off.
    static QString sitePage(const QString& path);

private:
    static QString configured(const char* variable, const QString& fallback);
};
