#include "web/web_platform.hpp"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <string>

#include "runtime/form.hpp"
#include "script/state_dump.hpp"
#include "web/form_description.hpp"

namespace totechita::web {

namespace {

// clang-format off
EM_JS(void, page_form_loaded, (const char* description), {
  Module.page.form_loaded(JSON.parse(UTF8ToString(description)));
});
EM_JS(void, page_form_shown, (const char* name), {
  Module.page.form_shown(UTF8ToString(name));
});
EM_JS(void, page_form_unloaded, (const char* name), {
  Module.page.form_unloaded(UTF8ToString(name));
});
EM_ASYNC_JS(void, page_message_box, (const char* prompt, const char* title, const char* frame,
                                     double reading_time), {
  await Module.page.message_box(UTF8ToString(prompt), UTF8ToString(title),
                                JSON.parse(UTF8ToString(frame)), reading_time);
});
EM_JS(void, page_program_ended, (int status), {
  Module.page.program_ended(status);
});
// clang-format on

}  // namespace

void WebPlatform::form_loaded(Form& form) {
  m_windows.push_back({.form = &form, .drawn_revision = std::nullopt});
  page_form_loaded(describe_form(form).c_str());
}

void WebPlatform::form_shown(Form& form) { page_form_shown(form.name().c_str()); }

void WebPlatform::form_unloaded(Form& form) {
  std::erase_if(m_windows, [&](const Window& window) { return window.form == &form; });
  page_form_unloaded(form.name().c_str());
}

// The windows are drawn as they are now behind the box, as the desktop repaints them.
void WebPlatform::message_box(std::string_view prompt, std::string_view title) {
  page_message_box(std::string(prompt).c_str(), std::string(title).c_str(), every_window().c_str(),
                   m_reading_time ? static_cast<double>(m_reading_time()) : -1);
}

void WebPlatform::program_ended(int status) { page_program_ended(status); }

bool WebPlatform::frame_due() const {
  return std::any_of(m_windows.begin(), m_windows.end(), [](const Window& window) {
    return window.drawn_revision != window.form->shown_revision();
  });
}

std::string WebPlatform::take_frame() {
  std::string json = "[";
  for (Window& window : m_windows) {
    if (window.drawn_revision == window.form->shown_revision()) continue;
    window.drawn_revision = window.form->shown_revision();
    if (json.size() > 1) json += ',';
    json += dump_form(*window.form);
  }
  return json + "]";
}

std::string WebPlatform::every_window() const {
  std::string json = "[";
  for (const Window& window : m_windows) {
    if (json.size() > 1) json += ',';
    json += dump_form(*window.form);
  }
  return json + "]";
}

}  // namespace totechita::web
