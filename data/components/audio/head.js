/* HTML5 sound player; the media behaviour is shared with the video class. */
VLM.MediaPlayer = {
  setupMedia: function (m) {
    var p = this.props, self = this;
    m.preload = "metadata";
    m.controls = VLM.bool(p.controls === undefined ? "true" : p.controls);
    m.loop = VLM.bool(p.loop);
    if (VLM.bool(p.muted)) m.muted = true;
    m.onended = function () { self.fire("onend"); };
    VLM.setName(m, VLM.firstText(p.label));
    this.media = m;
  },
  pageCreated: function () {
    if (VLM.bool(this.props.autoplay) && VLM.interactive()) this.play();
  },
  play: function () {
    var r = this.media.play();
    // A refused autoplay is not an error of the page.
    if (r && r["catch"]) r["catch"](function () {});
  },
  pause: function () { this.media.pause(); },
  stop: function () {
    this.media.pause();
    try { this.media.currentTime = 0; } catch (e) { /* not seekable yet */ }
  },
  free: function () { this.media.pause(); }
};

VLMObject.define("audio", VLM.mix(VLM.MediaPlayer, {
  render: function (root) {
    var a = VLM.el("audio", "", root);
    this.setupMedia(a);
    var url = VLM.resolveSrc(this.props.src);
    if (url) a.src = url;
  }
}));
