'use strict';
// Turns the lesson notes' simple source form into the rich text the lesson pane shows.
//
// Source form, line by line:
//   # Heading              a heading (bold, larger, blue)
//   - item                 a line of a list, set in from the left
//   (blank line)           ends a paragraph
//   any other line         text of the current paragraph (lines are joined with a blank)
// Inside text: **bold**, *italic*, and the placeholders the program fills in when it shows
// the notes (%NAME%, %HEB_VALUE_NAME%, %HEB_CHARS_NAME%, %NOTE_NAME%), which pass through
// unchanged. A placeholder of a trope's sign is set in the trope font.
//
// The rich text is plain ASCII: characters outside it are written as hex escapes of their
// UTF-8 bytes (the document's code page is 65001).

// Colour table: 1 black, 2 green, 3 orange, 4 red, 5 grey (the trope colour classes the
// program colours the signs with), 6 blue (headings).
const HEADER = '{\\rtf1\\ansi\\ansicpg65001\\deff0\\deflang1033'
  + '{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fnil\\fprq2\\fcharset0 TGBTrope;}}\r\n'
  + '{\\colortbl ;\\red0\\green0\\blue0;\\red51\\green153\\blue102;\\red255\\green153\\blue0;'
  + '\\red255\\green0\\blue0;\\red153\\green153\\blue153;\\red0\\green0\\blue255;}\r\n'
  + '\\pard\\lang1033\\f0\\fs20\r\n';

function escapeText(text) {
  let out = '';
  for (const ch of text) {
    if (ch === '\\' || ch === '{' || ch === '}') out += `\\${ch}`;
    else if (ch.codePointAt(0) < 128) out += ch;
    else for (const b of Buffer.from(ch, 'utf8')) out += `\\'${b.toString(16).padStart(2, '0')}`;
  }
  return out;
}

// One paragraph's text with its inline marks.
function inline(text) {
  let out = '';
  const re = /\*\*(.+?)\*\*|\*(.+?)\*|(%HEB_CHARS_[A-Z_-]+%)/g;
  let at = 0;
  for (let m = re.exec(text); m; m = re.exec(text)) {
    out += escapeText(text.slice(at, m.index));
    if (m[1] !== undefined) out += `{\\b ${inline(m[1])}}`;
    else if (m[2] !== undefined) out += `{\\i ${inline(m[2])}}`;
    else out += `{\\f1\\fs28 ${m[3]}}`;
    at = re.lastIndex;
  }
  return out + escapeText(text.slice(at));
}

function toRichText(source) {
  const blocks = [];
  let para = [];
  const flush = () => {
    if (para.length) blocks.push(`\\pard\\sa120 ${inline(para.join(' '))}\\par\r\n`);
    para = [];
  };
  for (const raw of source.split(/\r?\n/)) {
    const line = raw.trim();
    if (line === '') { flush(); continue; }
    if (line.startsWith('# ')) {
      flush();
      blocks.push(`\\pard\\sa120 {\\b\\fs28\\cf6 ${inline(line.slice(2))}}\\par\r\n`);
    } else if (line.startsWith('- ')) {
      flush();
      blocks.push(`\\pard\\li360\\sa60 ${inline(line.slice(2))}\\par\r\n`);
    } else {
      para.push(line);
    }
  }
  flush();
  return `${HEADER}${blocks.join('')}}\r\n`;
}

module.exports = { toRichText, escapeText };
