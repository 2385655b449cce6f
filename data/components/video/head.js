/* HTML5 video player: MP4, WebM or Ogg, with an optional second file in another format. */
VLM.videoType = function (url) {
  var m = /\.([a-z0-9]+)(?:[?#].*)?$/i.exec(url), ext = m ? m[1].toLowerCase() : "";
  return { mp4: "video/mp4", m4v: "video/mp4", webm: "video/webm", ogv: "video/ogg", ogg: "video/ogg" }[ext] || "";
};

VLMObject.define("video", VLM.mix(VLM.MediaPlayer, {
  render: function (root) {
    var p = this.props, v = VLM.el("video", "", root);
    v.playsInline = true;
    this.setupMedia(v);
    var poster = VLM.resolveSrc(p.poster);
    if (poster) v.poster = poster;
    var srcs = [p.src, p.srcAlt];
    for (var i = 0; i < srcs.length; i++) {
      var url = VLM.resolveSrc(srcs[i]);
      if (!url) continue;
      var s = VLM.el("source", "", v);
      s.src = url;
      var t = VLM.videoType(url);
      if (t) s.type = t;
    }
    var captions = VLM.resolveSrc(p.captions);
    if (captions) {
      var track = VLM.el("track", "", v);
      track.kind = "captions";
      track.src = captions;
      track.srclang = VLM.firstText(p.captionsLang);
      track.label = VLM.firstText(p.captionsLang, p.label);
      track["default"] = true;
    }
  }
}));
