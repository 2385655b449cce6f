'use strict';
// One sample page per built-in class: a heading text and the element, as an author
// would place them on a 1024x768 page.
const { TestPage } = require('./pagebuilder');

const PALETTE = ['image', 'text', 'button', 'input', 'checkbox', 'radiobutton', 'trackbar', 'popup',
  'rectangle', 'audio', 'video', 'flash', 'DDBasket', 'DDElement', 'timer', 'combo', 'list', 'html'];
const CLASSES = PALETTE.concat(['feedback']);

const EXTRA = {
  text: { text: '<h2>Fotosynteza</h2><p>Rośliny zamieniają światło w energię chemiczną. <b>Chlorofil</b> pochłania światło czerwone i niebieskie.</p>', width: 420, height: 160 },
  button: { caption: 'Sprawdź odpowiedź' },
  input: { placeholder: 'Wpisz odpowiedź', correctAnswer: 'Warszawa' },
  checkbox: { caption: 'Woda wrze w 100 °C', correctAnswer: 'true' },
  radiobutton: { caption: 'Kraków' },
  trackbar: { correctAnswer: '40-60' },
  popup: { visibility: 'visible', title: 'Wskazówka', text: '<p>Przypomnij sobie mapę Polski.</p>' },
  video: { src: '..\\resources\\sample.webm' },
  flash: { src: '..\\resources\\movie.swf' },
  DDBasket: { caption: 'Owoce' },
  DDElement: { caption: 'Jabłko', correctAnswer: 'DDBasket1' },
  timer: { seconds: '90', autoStart: 'false' },
  combo: { correctAnswer: 'Druga' },
  list: { correctAnswer: 'Trzecia' },
  html: { src: '..\\resources\\doc.html' },
  feedback: { visibility: 'visible' },
};

function samplePage(cls) {
  const p = new TestPage({ type: 'Exercise' });
  p.add('text', { x: 40, y: 24, width: 700, height: 50, text: '<h1 style="margin:0;font-size:26px">Przykład: ' + cls + '</h1>' });
  if (cls === 'DDElement') p.add('DDBasket', { x: 300, y: 100, caption: 'Owoce' });
  const el = p.add(cls, Object.assign({ x: 40, y: 100 }, EXTRA[cls] || {}));
  return { page: p, element: el };
}

module.exports = { PALETTE, CLASSES, samplePage };
