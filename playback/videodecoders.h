#pragma once

// Whether the media framework that plays our recordings has a decoder for a video format.
namespace VideoDecoders {

// `mediaType` as GStreamer names the format, e.g. "video/x-h264". Only decoders that
// playback would pick on its own count (rank marginal or better).
bool canDecode(const char *mediaType);

} // namespace VideoDecoders
