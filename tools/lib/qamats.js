'use strict';
// Qamats gadol where the reading rule for qamats would take it for a qamats qatan. The rule
// reads a qamats without accent or meteg before a letter with shva as qatan (כׇּל־, חׇכְמָה),
// but in the Qal perfect of the third person feminine singular and plural the first
// qamats is long and the shva after it vocal: הָיְתָה "hay-TA", יָשְׁבָה "yash-VA", יָדְעוּ
// "ya-de-U". The source's morphology names these forms; the converter marks their qamats
// with the bracket mark "-" (long) so that the rule is not asked.

const { letterClusters } = require('./hebrew-word');

const QAMATS = '\u05B8';
const SHVA = '\u05B0';
const METEG = '\u05BD';
const isAccent = (m) => m >= '\u0591' && m <= '\u05AF';

// The Qal perfect, third person feminine singular or common plural (with any suffix in a
// morpheme of its own): "Vqp3fs", "Vqp3cp".
const LONG_QAMATS_FORM = /^Vqp3(fs|cp)$/;

// The index of the letter whose qamats is long though the rule would read it short, or
// -1. `text` is the word with its morphemes divided by "/", `morph` the source's
// morphology code ("HC/Vqp3fs": language, then one code per morpheme).
function longQamatsLetter(text, morph) {
  if (!morph || !morph.startsWith('H')) return -1;
  const codes = morph.slice(1).split('/');
  const parts = text.split('/');
  if (codes.length !== parts.length) return -1;
  let offset = 0;
  for (let k = 0; k < parts.length; k++) {
    const clusters = letterClusters(parts[k]);
    if (LONG_QAMATS_FORM.test(codes[k])) {
      const at = clusters.findIndex((c) => c.marks.includes(QAMATS));
      if (at < 0 || at + 1 >= clusters.length) return -1;
      const marked = clusters[at].marks.some((m) => m === METEG || isAccent(m));
      const shvaNext = clusters[at + 1].marks.includes(SHVA);
      return !marked && shvaNext ? offset + at : -1;
    }
    offset += clusters.length;
  }
  return -1;
}

module.exports = { longQamatsLetter };
