/* Offline course browser: the frame set walks the whole course; no LMS. */
(function () {
  "use strict";
  var page = VLMHost.query("page");
  if (page !== null && page !== "") VLMHost.config.startPageId = page;
})();
