#pragma once
// Texts the user reads, marked for translation. The core stays free of Qt: it calls translate()
// with a context and the English text (lupdate finds these calls), and the window layer installs
// the translator that looks the text up in the chosen language's catalogue. Without one the
// English text is returned unchanged, as the tests and the command-line tools use it.

#include <initializer_list>
#include <string>

namespace solar {

using Translator = std::string (*)(const char *context, const char *text);

std::string translate(const char *context, const char *text);
void setTranslator(Translator t);

// The language of the user interface: "en" unless a catalogue was installed ("es", ...).
const std::string &uiLanguage();
void setUiLanguage(const std::string &code);

// The pattern with "%1" .. "%9" replaced by the arguments, for texts whose parts a translation
// may put in another order.
std::string arg(const std::string &pattern, std::initializer_list<std::string> args);

} // namespace solar
