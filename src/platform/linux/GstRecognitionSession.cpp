#include "platform/linux/GstRecognitionSession.h"

#include <gst/gst.h>

#include <atomic>
#include <string_view>

#include "core/util/GlibHandles.h"
#include "platform/linux/SerialWorker.h"

namespace ondi::platform {

struct GstRecognitionSession::Pipeline {
  glib::ObjectRef<GstElement> pipeline;
  glib::ObjectRef<GstElement> decoder;
  // The queue's output, held back until the decoder has loaded.
  glib::ObjectRef<GstPad> backlogOut;
  gulong holdBack = 0;
  SerialWorker* worker = nullptr;
  // Set once the session is over; the worker then skips loading the decoder.
  std::atomic<bool> ended = false;
  // Main loop only.
  SpeechRecognitionHandlers handlers;
  unsigned busWatch = 0;
  std::string lastHypothesis;
};

namespace {

using Pipeline = GstRecognitionSession::Pipeline;

std::string pipelineDescription(const RecognitionPipelineSettings& settings) {
  const std::string source =
      settings.audioFile ? "filesrc name=source ! wavparse" : "pulsesrc name=source";
  return source +
         " ! audioconvert ! audioresample ! audio/x-raw,format=S16LE,rate=16000,channels=1"
         " ! queue name=backlog max-size-buffers=0 max-size-bytes=0 max-size-time=0"
         " ! pocketsphinx name=decoder ! fakesink sync=false async=false";
}

GstElement* child(GstElement* pipeline, const char* name) {
  return gst_bin_get_by_name(GST_BIN(pipeline), name);
}

// Stops the pipeline and lets it go, on the worker: after a load that is still running.
void tearDown(const std::shared_ptr<Pipeline>& session) {
  if (session->ended.exchange(true)) return;
  if (session->busWatch) g_source_remove(std::exchange(session->busWatch, 0));
  session->handlers = {};
  session->worker->run([session] {
    if (session->holdBack) {
      gst_pad_remove_probe(session->backlogOut.get(), std::exchange(session->holdBack, 0));
    }
    gst_element_set_state(session->pipeline.get(), GST_STATE_NULL);
    gst_element_set_state(session->decoder.get(), GST_STATE_NULL);
  });
}

// Ends the session and reports its last words, or its failure. The handler may drop the
// session, so the session is ended before it runs.
void finish(const std::shared_ptr<Pipeline>& session, std::optional<std::string> failure) {
  const SpeechRecognitionHandlers handlers = session->handlers;
  const std::string transcript = session->lastHypothesis;
  tearDown(session);
  if (failure) {
    handlers.failure(*failure);
  } else {
    handlers.result(transcript, true);
  }
}

std::string errorDescription(GstMessage* message) {
  glib::Error error;
  glib::String debug;
  gst_message_parse_error(message, error.out(), debug.out());
  return error ? error->message : "The audio pipeline failed.";
}

gboolean onBusMessage(GstBus*, GstMessage* message, gpointer data) {
  const std::shared_ptr<Pipeline> session = *static_cast<std::shared_ptr<Pipeline>*>(data);
  if (session->ended) return G_SOURCE_REMOVE;
  switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ELEMENT: {
      const GstStructure* result = gst_message_get_structure(message);
      if (!gst_structure_has_name(result, "pocketsphinx")) break;
      const char* hypothesis = gst_structure_get_string(result, "hypothesis");
      gboolean isFinal = FALSE;
      gst_structure_get_boolean(result, "final", &isFinal);
      session->lastHypothesis = hypothesis ? hypothesis : "";
      if (isFinal) {
        finish(session, std::nullopt);
      } else {
        const auto report = session->handlers.result;
        report(session->lastHypothesis, false);
      }
      break;
    }
    // The audio ran out before the decoder settled: what it heard last is the result.
    case GST_MESSAGE_EOS:
      finish(session, std::nullopt);
      break;
    case GST_MESSAGE_ERROR:
      finish(session, errorDescription(message));
      break;
    default:
      break;
  }
  return session->ended ? G_SOURCE_REMOVE : G_SOURCE_CONTINUE;
}

// Loads the decoder's model, then lets the audio captured meanwhile through to it.
void loadDecoder(const std::shared_ptr<Pipeline>& session) {
  if (session->ended) return;
  GstElement* decoder = session->decoder.get();
  const GstStateChangeReturn loaded = gst_element_set_state(decoder, GST_STATE_PLAYING);
  gst_element_set_locked_state(decoder, FALSE);
  if (loaded == GST_STATE_CHANGE_FAILURE) {
    GError* error = g_error_new_literal(GST_CORE_ERROR, GST_CORE_ERROR_STATE_CHANGE,
                                        "The speech recognition model could not be loaded.");
    gst_element_post_message(decoder, gst_message_new_error(GST_OBJECT(decoder), error, nullptr));
    g_error_free(error);
    return;
  }
  gst_pad_remove_probe(session->backlogOut.get(), std::exchange(session->holdBack, 0));
}

}  // namespace

std::expected<std::unique_ptr<SpeechRecognitionTask>, std::string> GstRecognitionSession::start(
    const RecognitionPipelineSettings& settings, SpeechRecognitionHandlers handlers,
    SerialWorker& worker) {
  glib::Error parseError;
  GstElement* parsed = gst_parse_launch(pipelineDescription(settings).c_str(), parseError.out());
  if (!parsed) return std::unexpected(parseError ? parseError->message : "No audio pipeline.");
  auto session = std::make_shared<Pipeline>();
  session->pipeline = glib::ObjectRef<GstElement>::sink(parsed);
  session->decoder = glib::ObjectRef<GstElement>::adopt(child(parsed, "decoder"));
  session->worker = &worker;
  session->handlers = std::move(handlers);

  const auto source = glib::ObjectRef<GstElement>::adopt(child(parsed, "source"));
  if (settings.audioFile) {
    g_object_set(source.get(), "location", settings.audioFile->c_str(), nullptr);
  } else {
    g_object_set(source.get(), "client-name", "Ondi dictation", nullptr);
  }
  g_object_set(session->decoder.get(), "hmm", settings.acousticModel.c_str(), "dict",
               settings.dictionary.c_str(), nullptr);
  if (settings.grammar) {
    g_object_set(session->decoder.get(), "fsg", settings.grammar->c_str(), nullptr);
  } else {
    g_object_set(session->decoder.get(), "lm", settings.languageModel.c_str(), nullptr);
  }

  // Capture starts now; the decoder stays out of the pipeline's state changes until its
  // model has loaded, and the queue holds what is captured meanwhile.
  gst_element_set_locked_state(session->decoder.get(), TRUE);
  const auto backlog = glib::ObjectRef<GstElement>::adopt(child(parsed, "backlog"));
  session->backlogOut =
      glib::ObjectRef<GstPad>::adopt(gst_element_get_static_pad(backlog.get(), "src"));
  session->holdBack = gst_pad_add_probe(
      session->backlogOut.get(), GST_PAD_PROBE_TYPE_BLOCK_DOWNSTREAM,
      [](GstPad*, GstPadProbeInfo*, gpointer) { return GST_PAD_PROBE_OK; }, nullptr, nullptr);

  const auto bus = glib::ObjectRef<GstBus>::adopt(gst_element_get_bus(parsed));
  session->busWatch = gst_bus_add_watch_full(
      bus.get(), G_PRIORITY_DEFAULT, onBusMessage, glib::handOver(session),
      [](gpointer data) { glib::takeBack<std::shared_ptr<Pipeline>>(data); });
  if (gst_element_set_state(parsed, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
    GstMessage* message = gst_bus_pop_filtered(bus.get(), GST_MESSAGE_ERROR);
    const std::string description =
        message ? errorDescription(message) : "The audio capture did not start.";
    if (message) gst_message_unref(message);
    tearDown(session);
    return std::unexpected(description);
  }
  worker.run([session] { loadDecoder(session); });
  return std::unique_ptr<SpeechRecognitionTask>(new GstRecognitionSession(std::move(session)));
}

GstRecognitionSession::GstRecognitionSession(std::shared_ptr<Pipeline> pipeline)
    : pipeline_(std::move(pipeline)) {}

GstRecognitionSession::~GstRecognitionSession() {
  tearDown(pipeline_);
}

void GstRecognitionSession::endAudio() {
  if (!pipeline_->ended) gst_element_send_event(pipeline_->pipeline.get(), gst_event_new_eos());
}

void GstRecognitionSession::cancel() {
  tearDown(pipeline_);
}

}  // namespace ondi::platform
