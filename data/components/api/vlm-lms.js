/* The learning-management side. An export target's script (loaded where the page
   template says "LMSManager") defines window.VLMLms; every member is optional and the
   page runs without it (preview, offline browser). See README.md. */

VLM.lms = function () {
  return window.VLMLms || null;
};

VLM.lmsCall = function (member) {
  var lms = VLM.lms();
  if (!lms || typeof lms[member] !== "function") return undefined;
  var args = Array.prototype.slice.call(arguments, 1);
  return lms[member].apply(lms, args);
};
