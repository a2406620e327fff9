#include "help/html/site_assets.h"

namespace scrivlet::help::html {

const char* const kStyleSheet =
    R"css(/* The help site's look. Replace this file to restyle every page. */
html { -webkit-text-size-adjust: 100%; text-size-adjust: 100%; }
body { margin: 0; font-family: Arial, Helvetica, sans-serif; font-size: 11pt;
       line-height: 1.35; color: #000; background: #fff; }
main, .topic-header { padding: 0 16px; }
main { max-width: 48em; padding-bottom: 2em; }
p { margin: 0; }
a { color: #006000; }
.site-header { position: sticky; top: 0; z-index: 2; background: #fff; }
.topic-header { background: #ffffe0; border-bottom: 1px solid #ccc; padding-top: 4px;
                padding-bottom: 4px; }
.nav { display: flex; flex-wrap: wrap; gap: 4px 12px; padding: 6px 16px;
       background: #e8eef4; border-bottom: 1px solid #b8c4d0; font-size: 10pt; }
.nav a, .nav span { text-decoration: none; }
.nav .off { color: #888; }
.nav form { margin-left: auto; }
.nav input { font: inherit; width: 10em; }
.tab { display: inline-block; text-indent: 0; }
img { max-width: 100%; height: auto; vertical-align: bottom; }
img.left { float: left; margin: 0 8px 4px 0; }
img.right { float: right; margin: 0 0 4px 8px; }
table.help-table { border-collapse: collapse; margin: 4px 0; }
table.help-table td { vertical-align: top; padding: 2px 6px; }
.popup-link { text-decoration: underline dotted; }
.broken { color: #b00000; text-decoration: line-through; }
.macro, .missing-picture { color: #555; }
.missing-picture { border: 1px dashed #999; padding: 0 4px; }
.button { border: 1px solid #888; border-radius: 3px; padding: 0 6px; background: #eee; }
.popup { position: absolute; z-index: 3; max-width: min(28em, 90vw); padding: 8px 12px;
         background: #ffffe8; border: 1px solid #888; box-shadow: 2px 2px 6px rgba(0,0,0,.3); }
.popup[hidden] { display: none; }
ul.contents, ul.contents ul { list-style: none; padding-left: 1.2em; }
ul.contents { padding-left: 0; }
ul.contents summary { cursor: pointer; font-weight: bold; }
ul.contents li { margin: 2px 0; }
.letters a { display: inline-block; min-width: 1.4em; text-align: center; }
.keywords dt { margin-top: 2px; }
.keywords dd { margin-left: 1.5em; }
.letter { text-transform: uppercase; border-bottom: 1px solid #ccc; }
#results li { margin: 4px 0; }
@media (max-width: 600px) {
  body { font-size: 12pt; }
  main, .topic-header { padding-left: 10px; padding-right: 10px; }
  .nav form { margin-left: 0; width: 100%; }
  .nav input { width: 70%; }
  table.help-table td { width: auto !important; }
}
)css";

const char* const kScript =
    R"js(// Pop-up panels, Back, and search over search-index.js. Every link works
// without this script: a pop-up link then opens the pop-up topic's page.
(function () {
  "use strict";
  var shown = null;

  function hide() {
    if (shown) { shown.hidden = true; shown = null; }
  }

  function show(link, panel) {
    hide();
    panel.hidden = false;
    var box = link.getBoundingClientRect();
    var left = Math.max(4, Math.min(box.left + window.scrollX,
        window.scrollX + document.documentElement.clientWidth - panel.offsetWidth - 4));
    panel.style.left = left + "px";
    panel.style.top = (box.bottom + window.scrollY + 4) + "px";
    shown = panel;
  }

  document.addEventListener("click", function (event) {
    var link = event.target.closest ? event.target.closest("a") : null;
    if (link && link.dataset.popup) {
      var panel = document.getElementById(link.dataset.popup);
      if (panel) {
        event.preventDefault();
        if (shown === panel) { hide(); } else { show(link, panel); }
        return;
      }
    }
    if (link && link.classList.contains("back-link") && window.history.length > 1) {
      event.preventDefault();
      window.history.back();
      return;
    }
    if (shown && !shown.contains(event.target)) { hide(); }
  });
  document.addEventListener("keydown", function (event) {
    if (event.key === "Escape") { hide(); }
  });

  // Words as the index holds them: letters and digits, lower case.
  function words(text) {
    var list = [];
    var word = "";
    var letters = 0;
    function finish() {
      if (letters >= 2) { list.push(word); }
      word = ""; letters = 0;
    }
    for (var ch of text.toLowerCase()) {
      var c = ch.codePointAt(0);
      var letter = c < 0x80 ? /[a-z0-9]/.test(ch)
          : !(c < 0xC0 || c === 0xD7 || c === 0xF7 || (c >= 0x2000 && c <= 0x2BFF) || c === 0xFFFD);
      if (letter) { word += ch; letters++; } else { finish(); }
    }
    finish();
    return list;
  }

  function postings(code) {
    var pages = [];
    var at = 0;
    code.split(",").forEach(function (step) {
      at += parseInt(step, 36);
      pages.push(at);
    });
    return pages;
  }

  // Pages holding WORD, or, for the last word typed, any word it begins.
  function pagesFor(index, word, prefix) {
    var found = {};
    Object.keys(index.words).forEach(function (key) {
      if (key === word || (prefix && key.lastIndexOf(word, 0) === 0)) {
        postings(index.words[key]).forEach(function (page) { found[page] = true; });
      }
    });
    return found;
  }

  function search(index, query) {
    var terms = words(query);
    if (terms.length === 0) { return []; }
    var hits = null;
    terms.forEach(function (term, i) {
      var pages = pagesFor(index, term, i === terms.length - 1);
      if (hits === null) {
        hits = pages;
      } else {
        Object.keys(hits).forEach(function (page) { if (!pages[page]) { delete hits[page]; } });
      }
    });
    return Object.keys(hits).map(Number).sort(function (a, b) { return a - b; });
  }

  function runSearch() {
    var form = document.getElementById("search-form");
    var list = document.getElementById("results");
    var index = window.HELP_SEARCH;
    if (!form || !list || !index) { return; }
    var input = form.elements.q;
    function update() {
      var found = search(index, input.value);
      list.textContent = "";
      found.forEach(function (page) {
        var item = document.createElement("li");
        var link = document.createElement("a");
        link.href = index.pages[page];
        link.textContent = index.titles[page];
        item.appendChild(link);
        list.appendChild(item);
      });
      var status = document.getElementById("search-status");
      status.textContent = input.value.trim() === "" ? "" :
          found.length === 1 ? "1 topic found" : found.length + " topics found";
    }
    var query = new URLSearchParams(window.location.search).get("q");
    if (query) { input.value = query; }
    input.addEventListener("input", update);
    form.addEventListener("submit", function (event) { event.preventDefault(); update(); });
    update();
  }

  // A page opened at "#pop-name" shows that pop-up under its first link.
  function showLinkedPanel() {
    var id = window.location.hash.slice(1);
    var panel = id.lastIndexOf("pop-", 0) === 0 ? document.getElementById(id) : null;
    var link = panel ? document.querySelector('a[data-popup="' + id + '"]') : null;
    if (link) { show(link, panel); }
  }

  function start() {
    runSearch();
    showLinkedPanel();
  }

  if (document.readyState === "loading") {
    document.addEventListener("DOMContentLoaded", start);
  } else {
    start();
  }
})();
)js";

}  // namespace scrivlet::help::html
