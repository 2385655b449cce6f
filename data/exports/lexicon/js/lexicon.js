/* Keyword index of the lexicon (lexicon_tree.html): the export writes one
   dbAdd(keyword, page, "", 0) call per keyword; this script lists them, sorted,
   with a filter box. Each entry is a link into the "vlmlexiconcontent" frame. */
var VLMLexicon = (function () {
  "use strict";
  var words = [];

  function fold(s) {
    s = String(s).toLowerCase();
    return s.normalize ? s.normalize("NFD").replace(/[\u0300-\u036f]/g, "").replace(/\u0142/g, "l") : s;
  }

  function render(filter) {
    var list = document.getElementById("vlmLexiconList");
    if (!list) return;
    list.innerHTML = "";
    var f = fold(filter || "");
    for (var i = 0; i < words.length; i++) {
      if (f && fold(words[i].key).indexOf(f) < 0) continue;
      var li = document.createElement("li");
      var a = document.createElement("a");
      a.href = words[i].page;
      a.target = "vlmlexiconcontent";
      a.textContent = words[i].key;
      li.appendChild(a);
      list.appendChild(li);
    }
  }

  return {
    add: function (key, page) {
      words.push({ key: String(key), page: String(page) });
    },
    start: function () {
      words.sort(function (a, b) { return fold(a.key) < fold(b.key) ? -1 : fold(a.key) > fold(b.key) ? 1 : 0; });
      render("");
      var box = document.getElementById("vlmLexiconFilter");
      if (box) box.oninput = function () { render(box.value); };
    },
    words: function () { return words; }
  };
})();

function dbAdd(key, page, extra, flag) {
  VLMLexicon.add(key, page);
}
