#include "playback/videodecoders.h"

#include <gst/gst.h>

namespace VideoDecoders {

bool canDecode(const char *mediaType)
{
    // Qt's GStreamer backend has initialised the library by the time a recording failed;
    // a second initialisation is a no-op.
    if (!gst_init_check(nullptr, nullptr, nullptr))
        return false;
    GstCaps *caps = gst_caps_from_string(mediaType);
    if (!caps)
        return false;
    GList *decoders =
        gst_element_factory_list_get_elements(GST_ELEMENT_FACTORY_TYPE_DECODER, GST_RANK_MARGINAL);
    GList *suitable = gst_element_factory_list_filter(decoders, caps, GST_PAD_SINK, FALSE);
    const bool found = suitable != nullptr;
    gst_plugin_feature_list_free(suitable);
    gst_plugin_feature_list_free(decoders);
    gst_caps_unref(caps);
    return found;
}

} // namespace VideoDecoders
