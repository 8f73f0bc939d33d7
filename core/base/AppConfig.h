#pragma once

#include <QString>
#include <QStringList>

#include "core/base/BuildInfo.h"

// Every settings key, temporary-value key and global event name lives here, spelled
// exactly once: stored settings, peers on the event bus and the log depend on them.
namespace AppConfig {

// Persistent settings keys.
inline const QString kFileSavePath = QStringLiteral("file_save_path");
inline const QString kFileExtension = QStringLiteral("file_extension");
inline const QString kRadioType = QStringLiteral("radio_type");
inline const QString kOpenFilePath = QStringLiteral("open_file_path");
inline const QString kFirstOpenApp = QStringLiteral("first_open_app");
inline const QString kAppLang = QStringLiteral("app_lang");
inline const QString kPlayerVolume = QStringLiteral("player_volume");
// Whether a capture of the film's frame draws the subtitle shown into it.
inline const QString kCaptureWithSubtitles = QStringLiteral("capture_with_subtitles");
// The caption style last used in the editor (JSON), which new collections start with.
inline const QString kCaptionStyle = QStringLiteral("caption_style");
// Pictures with more megapixels than this are refused at import (default 100).
inline const QString kMaxPictureMegapixels = QStringLiteral("max_picture_megapixels");
// The main window's place and size when it was last closed (QWidget::saveGeometry()).
inline const QString kWindowGeometry = QStringLiteral("window_geometry");
// Whether the update manifest is asked for at every start (bool, default true).
inline const QString kCheckUpdatesAtStart = QStringLiteral("check_updates_at_start");
// Subtitles from speech: the provider (0 the Pictorb speech service, 1 an OpenAI-compatible
// transcription server), each provider's base address (empty: the default endpoint), the
// transcription model and how long a recognition may take in all, in seconds.
inline const QString kSpeechProvider = QStringLiteral("speech_provider");
inline const QString kSpeechServiceUrl = QStringLiteral("speech_service_url");
inline const QString kTranscriptionUrl = QStringLiteral("transcription_url");
inline const QString kTranscriptionModel = QStringLiteral("transcription_model");
inline const QString kSpeechTimeout = QStringLiteral("speech_timeout");

// Temporary-value key prefixes; the layout type is appended as one character of that code.
inline const QString kPropertyScale = QStringLiteral("property_scale");
inline const QString kPropertyWidth = QStringLiteral("property_width");
inline const QString kPropertyHeight = QStringLiteral("property_height");
inline const QString kPropertyColumn = QStringLiteral("property_column");
inline const QString kPropertyXSpace = QStringLiteral("property_x_space");
inline const QString kPropertyYSpace = QStringLiteral("property_y_space");

// Row identifiers of the caption style editor; not stored.
inline const QString kCaptionX = QStringLiteral("caption_x");
inline const QString kCaptionY = QStringLiteral("caption_y");
inline const QString kCaptionFontSize = QStringLiteral("caption_font_size");
inline const QString kCaptionBorder = QStringLiteral("caption_border");
inline const QString kCaptionShadow = QStringLiteral("caption_shadow");
inline const QString kAiCaptionLang = QStringLiteral("ai_caption_lang");
inline const QString kPlayerMute = QStringLiteral("player_mute");

// Global event names.
inline const QString kEventCaptureImage = QStringLiteral("capture_image");
inline const QString kEventUpdateCaptureImage = QStringLiteral("update_capture_image");
inline const QString kEventSelectImageComplete = QStringLiteral("select_image_complete");
inline const QString kEventSettingChange = QStringLiteral("setting_change");
inline const QString kEventTimePos = QStringLiteral("time_pos");
inline const QString kEventChangeCaption = QStringLiteral("change_caption");
inline const QString kEventUpdateCaptionNew = QStringLiteral("update_caption_new");
inline const QString kEventUpdateCaption = QStringLiteral("update_caption");
inline const QString kEventRemoveCaption = QStringLiteral("remove_caption");
inline const QString kEventVideoToAudioStart = QStringLiteral("video_to_audio_start");
inline const QString kEventVideoToAudioStop = QStringLiteral("video_to_audio_stop");
inline const QString kEventTaskId = QStringLiteral("task_id");
inline const QString kEventCreateCaptionComplete = QStringLiteral("create_caption_complete");
inline const QString kEventLoadFileComplete = QStringLiteral("load_file_complete");
inline const QString kEventStopAiCaption = QStringLiteral("stop_ai_caption");

// Paths of the maker's web pages, appended to the site address (Endpoints::sitePage).
inline const QString kWelcomePagePath =
    QStringLiteral("/thankyou/install-pictorb-successful-for-windows/");
inline const QString kSupportPagePath = QStringLiteral("/support-center/");
inline const QString kGuidePagePath = QStringLiteral("/guide/get-started-with-pictorb/");
inline const QString kProductPagePath = QStringLiteral("/pictorb/");

// Product and file-name constants.
inline const QString kProductName = QStringLiteral("Pictorb");
inline const QString kCompanyName = QStringLiteral("Quellony");
inline const QString kVersion = QStringLiteral(PICTORB_VERSION);
// The reverse-DNS id of the desktop entry, the metainfo and the icon.
inline const QString kDesktopId = QStringLiteral(PICTORB_APP_ID);
// The formats the format boxes offer, and the one a fresh profile starts with.
inline const QStringList kExportFormats = {QStringLiteral("JPG"), QStringLiteral("PNG"),
                                           QStringLiteral("WEBP")};
inline const QString kDefaultExportFormat = QStringLiteral("JPG");
// Exports are written into this subfolder of the output folder, then moved out.
inline const QString kExportWorkFolder = QStringLiteral("tmp");
inline const QString kExportNameTemplate = QStringLiteral("/%3_%1.%2");
inline const QString kFreeNameTemplate = QStringLiteral("%1/%2(%3).%4");
inline const QString kLogFileTimeFormat = QStringLiteral("yyyyMMddhhmmss");
inline const QString kLogLineTimeFormat = QStringLiteral("yyyy MM-dd hh:mm:ss");

} // namespace AppConfig
