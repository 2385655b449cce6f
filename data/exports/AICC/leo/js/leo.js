/* LEO profile: every page is its own unit and the LMS names it by its page id;
   leoindex.inc lists the page ids in course order (arrPageIndex, ending in 0).
   A launch without a known page id starts at the first listed page. */
window.VLMAiccProfile = function (cfg, launch) {
  "use strict";
  var ids = [];
  if (typeof window.arrPageIndex !== "undefined" && window.arrPageIndex && window.arrPageIndex.length) {
    for (var i = 0; i < window.arrPageIndex.length; i++) {
      var id = parseInt(window.arrPageIndex[i], 10);
      if (id > 0) ids.push(String(id));
    }
  }
  if (!ids.length) return;
  var wanted = String(parseInt(launch.page, 10));
  cfg.startPageId = ids.indexOf(wanted) >= 0 ? wanted : ids[0];
};
