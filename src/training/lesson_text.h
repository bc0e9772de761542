#pragma once
// Lesson notes and exercise texts are prepared before use: the rich text's language and
// fonts are made neutral, the colour table gets the colours of the trope classes, and the
// placeholders between "%" signs are filled from the current melody style and its naming
// of the tropes, so that every name and sign in a lesson follows the student's choice.

#include <string>

#include "text/xml.h"

namespace lyrasta {

// The text with these placeholders filled (unknown ones stay as they are):
//   %NOTE_x%          the text of the child named x of the style's LESSON_NOTES element
//                     (nothing when there is none);
//   %NAME%            the trope's name in Latin letters (VALUE of the encoding's entry);
//   %HEB_VALUE_NAME%  its Hebrew name; directly followed by %HEB_VALUE_NEXT%, the name it
//                     has before NEXT (BEFORE_NEXT_HEB_VALUE) when the entry has one;
//   %HEB_CHARS_NAME%  its sign, each mark in the colour of its class (conjunctive green,
//                     minor disjunctive orange, major disjunctive red, position copy grey).
// `style` is the current melody style, `encoding` its trope-name encoding; either may be none.
std::string PrepareLessonText(std::string text, const TXMLelement* style, const TXMLelement* encoding);

// The rich-text form of UTF-8 text: ASCII as it is (with "\", "{" and "}" escaped when
// `escapeMarkup`), every other character as a \uN? escape.
std::string RtfEscape(const std::string& utf8, bool escapeMarkup = true);

}  // namespace lyrasta
