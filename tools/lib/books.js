'use strict';
// The books of the Hebrew Bible as the program knows them: the three-letter code that names
// the text files (bhs/<code>.txt, hnv/<code>.eng), the book's name in the Open Scriptures
// Hebrew Bible (wlc/<osis>.xml), its name in the SWORD export of the World English Bible, and
// the title written on the book's "~a" line. This is the only list of books in the tools.

const BOOKS = [
  // code   osis     sword              title
  ['GEN', 'Gen', 'Genesis', 'Genesis'],
  ['EXO', 'Exod', 'Exodus', 'Exodus'],
  ['LEV', 'Lev', 'Leviticus', 'Leviticus'],
  ['NUM', 'Num', 'Numbers', 'Numbers'],
  ['DEU', 'Deut', 'Deuteronomy', 'Deuteronomy'],
  ['JOS', 'Josh', 'Joshua', 'Joshua'],
  ['JUD', 'Judg', 'Judges', 'Judges'],
  ['1SA', '1Sam', 'I Samuel', '1 Samuel'],
  ['2SA', '2Sam', 'II Samuel', '2 Samuel'],
  ['1KI', '1Kgs', 'I Kings', '1 Kings'],
  ['2KI', '2Kgs', 'II Kings', '2 Kings'],
  ['ISA', 'Isa', 'Isaiah', 'Isaiah'],
  ['JER', 'Jer', 'Jeremiah', 'Jeremiah'],
  ['EZE', 'Ezek', 'Ezekiel', 'Ezekiel'],
  ['HOS', 'Hos', 'Hosea', 'Hosea'],
  ['JOE', 'Joel', 'Joel', 'Joel'],
  ['AMO', 'Amos', 'Amos', 'Amos'],
  ['OBA', 'Obad', 'Obadiah', 'Obadiah'],
  ['JON', 'Jonah', 'Jonah', 'Jonah'],
  ['MIC', 'Mic', 'Micah', 'Micah'],
  ['NAH', 'Nah', 'Nahum', 'Nahum'],
  ['HAB', 'Hab', 'Habakkuk', 'Habakkuk'],
  ['ZEP', 'Zeph', 'Zephaniah', 'Zephaniah'],
  ['HAG', 'Hag', 'Haggai', 'Haggai'],
  ['ZEC', 'Zech', 'Zechariah', 'Zechariah'],
  ['MAL', 'Mal', 'Malachi', 'Malachi'],
  ['PSA', 'Ps', 'Psalms', 'Psalms'],
  ['PRO', 'Prov', 'Proverbs', 'Proverbs'],
  ['JOB', 'Job', 'Job', 'Job'],
  ['SOS', 'Song', 'Song of Solomon', 'Song of Songs'],
  ['RUT', 'Ruth', 'Ruth', 'Ruth'],
  ['LAM', 'Lam', 'Lamentations', 'Lamentations'],
  ['QOH', 'Eccl', 'Ecclesiastes', 'Ecclesiastes'],
  ['EST', 'Esth', 'Esther', 'Esther'],
  ['DAN', 'Dan', 'Daniel', 'Daniel'],
  ['EZR', 'Ezra', 'Ezra', 'Ezra'],
  ['NEH', 'Neh', 'Nehemiah', 'Nehemiah'],
  ['1CH', '1Chr', 'I Chronicles', '1 Chronicles'],
  ['2CH', '2Chr', 'II Chronicles', '2 Chronicles'],
].map(([code, osis, sword, title]) => ({ code, osis, sword, title }));

// Books written with the line layout of a standard scroll: the five books of the Torah
// (tikkun-lines/torah, book numbers 1 to 5) and Esther (tikkun-lines/esther).
const SCROLL_BOOKS = { GEN: 1, EXO: 2, LEV: 3, NUM: 4, DEU: 5, EST: 1 };

module.exports = { BOOKS, SCROLL_BOOKS };
