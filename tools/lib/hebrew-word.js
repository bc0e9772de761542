'use strict';
// Turns one pointed Hebrew word in Unicode into the program's Latin-letter word format:
// consonant codes, dagesh ".", vowel codes and two-digit accent codes, letter by letter.
//
// Letters: alef ")", B G D H W Z, chet "X", tet "+", Y K L M N, samekh "S", ayin "(", P,
// tsadi "C", Q R, shin "$" (shin dot), sin "&" (sin dot), "#" (no dot), T. Final forms are
// written like the plain letters (a letter is final when it ends its word).
//
// Vowels: shva ":", chataf segol ":E", chataf patach ":A", chataf qamats ":F", chirik "I",
// tsere '"', segol "E", patach "A", qamats and qamats qatan "F", cholam "O", kubutz "U".
// A cholam on a vav whose preceding letter has no vowel of its own is the cholam of a
// cholam-vav: it is written on the preceding letter ("OW"), as the word format expects.
// Dagesh follows the consonant immediately ("B."); a vav with dagesh and no vowel is shuruk.
//
// Accents, by Unicode mark (code point order within a letter is kept):
//   etnachta 92, shalshelet 65, zakef katon 80, zakef gadol 85, tipcha 73, revia 81,
//   tevir 91, geresh 61, gershayim 62, karnei farah 84, pazer 83, munach 74, mahpach 70,
//   mercha 71, mercha kefula 72, darga 94, yerach ben yomo 93, ole 60, iluy 64,
//   upper dot 52, lower dot 53.
//   Prepositive marks, written before the first letter of the word so that the word scanner
//   keeps them with that letter: yetiv 10, geresh muqdam 11, dechi 13 (the prepositive tipcha
//   of the poetic books, which has its own Unicode mark), telisha gedola 14.
//   Marks whose code depends on where they stand:
//     pashta: 03 on the word's last letter (postpositive), 33 elsewhere (the copy at the
//       stressed syllable). The source writes that copy with the qadma sign, so a qadma in a
//       word that also ends in a pashta is the pashta's copy (33); any other qadma is 63.
//     segol (segolta): 01 on the last letter, 31 elsewhere.
//     zarka: the postpositive zinor is 02 on the last letter and 82 elsewhere; the zarka
//       sign (the sinnorit of the poetic books, or the copy at the stressed syllable) is 82.
//     telisha ketana: 04 on the last letter, 24 elsewhere.
//     telisha gedola: 14 on the first letter, 44 elsewhere.
//   Meteg (the silluq of a verse's last word is a meteg too; the word scanner turns the one
//   nearest the sof pasuq into silluq): 75 when it follows the vowel (the usual place, left of
//   the vowel), 95 when it precedes a full vowel (right of the vowel), 35 when it precedes a
//   chataf vowel (in the middle of the chataf).
// Rafe, combining grapheme joiners and the like are not part of the word format and are
// dropped. Where a letter carries two vowels (the chirik of Yerushalayim's unwritten yod),
// the first is kept: the format has one vowel per letter.

const LETTERS = {
  '\u05D0': ')', '\u05D1': 'B', '\u05D2': 'G', '\u05D3': 'D', '\u05D4': 'H', '\u05D5': 'W',
  '\u05D6': 'Z', '\u05D7': 'X', '\u05D8': '+', '\u05D9': 'Y', '\u05DA': 'K', '\u05DB': 'K',
  '\u05DC': 'L', '\u05DD': 'M', '\u05DE': 'M', '\u05DF': 'N', '\u05E0': 'N', '\u05E1': 'S',
  '\u05E2': '(', '\u05E3': 'P', '\u05E4': 'P', '\u05E5': 'C', '\u05E6': 'C', '\u05E7': 'Q',
  '\u05E8': 'R', '\u05E9': '#', '\u05EA': 'T',
};

const VOWELS = {
  '\u05B0': ':', '\u05B1': ':E', '\u05B2': ':A', '\u05B3': ':F', '\u05B4': 'I',
  '\u05B5': '"', '\u05B6': 'E', '\u05B7': 'A', '\u05B8': 'F', '\u05B9': 'O', '\u05BA': 'O',
  '\u05BB': 'U', '\u05C7': 'F',
};
const CHATAF = new Set(['\u05B1', '\u05B2', '\u05B3']);

const FIXED_ACCENTS = {
  '\u0591': '92', '\u0593': '65', '\u0594': '80', '\u0595': '85', '\u0596': '73',
  '\u0597': '81', '\u0598': '82', '\u059A': '10', '\u059B': '91', '\u059C': '61',
  '\u059D': '11', '\u059E': '62', '\u059F': '84', '\u05A1': '83', '\u05A2': '70',
  '\u05A3': '74', '\u05A4': '70', '\u05A5': '71', '\u05A6': '72', '\u05A7': '94',
  '\u05AA': '93', '\u05AB': '60', '\u05AC': '64', '\u05AD': '13', '\u05C4': '52',
  '\u05C5': '53',
};
const PASHTA = '\u0599';
const QADMA = '\u05A8';
const SEGOLTA = '\u0592';
const ZINOR = '\u05AE';
const TELISHA_KETANA = '\u05A9';
const TELISHA_GEDOLA = '\u05A0';
const METEG = '\u05BD';
const DAGESH = '\u05BC';
const SHIN_DOT = '\u05C1';
const SIN_DOT = '\u05C2';

// Codes the word scanner attaches to the consonant that follows them.
const PREPOSITIVE = new Set(['10', '11', '13', '14']);
// A qere word begins with its "**" mark record, and a prepositive code written after that
// mark would pull the first consonant into the mark record. There (and on any letter but the
// first) the mark is written after the letter with the code of the same trope that stands at
// the letter: telisha gedola 44, tipcha 73, geresh 61. Yetiv has no such code and is dropped.
const QERE_PREPOSITIVE = { 14: '44', 13: '73', 11: '61' };

function isLetter(ch) {
  return ch >= '\u05D0' && ch <= '\u05EA';
}

// Splits a word into letters, each with the marks that follow it.
function letterClusters(word) {
  const clusters = [];
  for (const ch of word) {
    if (isLetter(ch)) clusters.push({ letter: ch, marks: [] });
    else if (clusters.length > 0) clusters[clusters.length - 1].marks.push(ch);
  }
  return clusters;
}

function positionalCode(mark, index, count, endsInPashta) {
  const last = index === count - 1;
  switch (mark) {
    case PASHTA: return last ? '03' : '33';
    case QADMA: return endsInPashta && !last ? '33' : '63';
    case SEGOLTA: return last ? '01' : '31';
    case ZINOR: return last ? '02' : '82';
    case TELISHA_KETANA: return last ? '04' : '24';
    case TELISHA_GEDOLA: return index === 0 ? '14' : '44';
    default: return FIXED_ACCENTS[mark];
  }
}

// Converts one word; options.paseq and options.sofPasuq add the marks that follow it in the
// text, options.qere says the word is written after a qere mark, options.longQamats names
// the letter whose qamats is read long whatever the rule says (bracket mark "-"). Returns { text, notes } where notes lists what could not be written exactly (for the
// generator's report).
function convertWord(word, options = {}) {
  const notes = [];
  const clusters = letterClusters(word.replace(/\//g, ''));
  const count = clusters.length;
  const lastMarks = count > 0 ? clusters[count - 1].marks : [];
  const endsInPashta = lastMarks.includes(PASHTA);

  const letters = clusters.map((c, index) => {
    let code = LETTERS[c.letter];
    if (code === '#') {
      if (c.marks.includes(SHIN_DOT)) code = '$';
      else if (c.marks.includes(SIN_DOT)) code = '&';
    }
    const out = { code, dagesh: c.marks.includes(DAGESH), before: [], vowel: '', after: [] };
    let vowelSeen = false;
    c.marks.forEach((mark, i) => {
      if (VOWELS[mark] !== undefined) {
        if (vowelSeen) {
          notes.push('second vowel dropped');
          if (mark === '\u05B4' || out.vowelMark !== '\u05B4') return;
          // keep the letter's own vowel, not the chirik of an unwritten yod
          out.vowel = VOWELS[mark];
          out.vowelMark = mark;
          return;
        }
        vowelSeen = true;
        out.vowel = VOWELS[mark];
        out.vowelMark = mark;
        return;
      }
      if (mark === METEG) {
        const next = c.marks.slice(i + 1).find((m) => VOWELS[m] !== undefined);
        if (!vowelSeen && next !== undefined) out.after.push(CHATAF.has(next) ? '35' : '95');
        else out.after.push('75');
        return;
      }
      const accent = positionalCode(mark, index, count, endsInPashta);
      if (accent === undefined) return; // dagesh, dots of shin and sin, rafe, joiners
      if (PREPOSITIVE.has(accent)) {
        if (index === 0 && !options.qere) {
          out.before.push(accent);
        } else if (QERE_PREPOSITIVE[accent]) {
          out.after.push(QERE_PREPOSITIVE[accent]);
        } else {
          notes.push(`prepositive ${accent} dropped`);
        }
        return;
      }
      out.after.push(accent);
    });
    return out;
  });

  // Cholam-vav: the cholam goes to the letter before the vav.
  for (let i = 1; i < letters.length; i++) {
    const l = letters[i];
    const prev = letters[i - 1];
    if (l.code === 'W' && l.vowelMark === '\u05B9' && !l.dagesh && prev.vowel === '') {
      prev.vowel = 'O';
      l.vowel = '';
      l.vowelMark = undefined;
    }
  }

  // The word's closing marks go on its last letter: paseq 05, and sof pasuq 00. When that
  // letter also carries the silluq, the sof pasuq is written before it, because the scanner
  // turns a meteg into silluq by replacing that letter's accents, which would drop the 00.
  const last = letters[letters.length - 1];
  if (last && options.paseq) last.after.push('05');
  if (last && options.sofPasuq) {
    const silluq = last.after.indexOf('75');
    if (silluq >= 0) {
      last.after.splice(silluq, 0, '00');
      notes.push('silluq on the last letter');
    } else {
      last.after.push('00');
    }
  }

  // A meteg written before the vowel keeps its place; everything else follows the vowel.
  const text = letters
    .map((l, index) => {
      const beforeVowel = l.after.filter((a) => a === '95' || a === '35');
      const afterVowel = l.after.filter((a) => a !== '95' && a !== '35');
      return l.before.join('') + l.code + (l.dagesh ? '.' : '') + beforeVowel.join('') +
        l.vowel + afterVowel.join('') + (index === options.longQamats ? ']-' : '');
    })
    .join('');
  return { text, notes };
}

module.exports = { convertWord, letterClusters, PREPOSITIVE };
