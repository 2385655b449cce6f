'use strict';
// cp1250 <-> JavaScript strings. Pages and component files are cp1250 bytes;
// the driver keeps byte strings ("binary" strings, one char per byte) internally.
const decoder = new TextDecoder('windows-1250');
const toByte = new Map();
for (let b = 0; b < 256; b++) {
  const ch = decoder.decode(Uint8Array.of(b));
  if (!toByte.has(ch)) toByte.set(ch, b);
}

function encode(text) {
  let out = '';
  for (const ch of text) {
    const b = toByte.get(ch);
    out += String.fromCharCode(b === undefined ? 0x3f : b);
  }
  return out;
}

function decode(bytes) {
  return decoder.decode(Buffer.from(bytes, 'latin1'));
}

module.exports = { encode, decode };
