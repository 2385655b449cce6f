'use strict';
// The fixture course of the LMS tests: an intro page, a chapter with a
// single-choice exercise, a URL item, a document item and a closing page.
const { TestPage } = require('../../lib/pagebuilder');

function introPage(text) {
  const doc = new TestPage({ type: 'Information', name: 'Intro' });
  doc.add('text', { x: 40, y: 30, width: 600, height: 100, text: text });
  const next = doc.add('button', { x: 40, y: 150, caption: 'Dalej' });
  doc.on(next, 'onclick', doc.page, 'nextPage');
  return doc;
}

function choicePage() {
  const doc = new TestPage({ type: 'Exercise', masteryscore: '10', tryCount: '1', rememberAnswers: 'true' });
  doc.add('text', { x: 40, y: 20, width: 600, height: 40, text: '<p>Stolica Polski to:</p>' });
  for (const [i, city, right] of [[0, 'Kraków', 'false'], [1, 'Warszawa', 'true'], [2, 'Gdańsk', 'false']]) {
    doc.add('radiobutton', { x: 40, y: 70 + 34 * i, caption: city, correctAnswer: right, group: 'capital', points: '10' });
  }
  const btn = doc.add('button', { x: 40, y: 190, caption: 'Sprawdź' });
  doc.on(btn, 'onclick', doc.page, 'check');
  return doc;
}

// The course tree: root "Kurs" > Wstęp, Rozdział (> Ćwiczenie, Strona WWW, Dokument), Koniec.
function fixtureCourse(options = {}) {
  const url = options.url || 'http://127.0.0.1/ext.html';
  return {
    name: 'Kurs', type: 0, id: 1,
    children: [
      { name: 'Wstęp', type: 0, id: 2, page: introPage('<h2>Wstęp</h2><p>Pierwsza strona kursu.</p>') },
      { name: 'Rozdział 1', type: -1, id: 3, children: [
        { name: 'Ćwiczenie', type: 0, id: 4, page: choicePage() },
        { name: 'Strona WWW', type: 1, id: 5, link: url },
        { name: 'Dokument', type: 2, id: 6, link: 'notatki.html', document: '<!DOCTYPE html><html><head><title>Notatki</title></head><body><h1 id="doc">Notatki do kursu</h1></body></html>' },
      ] },
      { name: 'Koniec', type: 0, id: 7, page: introPage('<h2>Koniec</h2><p>Ostatnia strona.</p>') },
    ],
  };
}

module.exports = { fixtureCourse, choicePage, introPage };
