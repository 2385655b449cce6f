/* Timer: counts down (or up) and raises "ontimer" when the time is over. */
VLMObject.define("timer", {
  render: function (root) {
    var p = this.props;
    VLM.applyFont(root, p);
    var bg = VLM.color(p.bgColor);
    if (bg) root.style.backgroundColor = bg;
    if (!VLM.bool(p.showTime === undefined ? "true" : p.showTime)) root.style.visibility = "hidden";
    this.total = Math.max(0, VLM.int(p.seconds, 60));
    this.elapsed = 0;
    this.handle = null;
    this.display = VLM.el("span", "vlm-time", root);
    this.draw();
  },
  applyVisibility: function () {
    VLMObject.prototype.applyVisibility.call(this);
    if (!VLM.bool(this.props.showTime === undefined ? "true" : this.props.showTime)) this.root.style.visibility = "hidden";
  },
  pageCreated: function () {
    if (VLM.bool(this.props.autoStart)) this.start();
  },
  shown: function () {
    var s = VLM.bool(this.props.countDown === undefined ? "true" : this.props.countDown)
      ? this.total - this.elapsed : this.elapsed;
    s = Math.max(0, s);
    var m = Math.floor(s / 60), r = s % 60;
    return (m < 10 ? "0" : "") + m + ":" + (r < 10 ? "0" : "") + r;
  },
  draw: function () { this.display.textContent = this.shown(); },
  start: function () {
    if (this.handle || !VLM.interactive() || this.elapsed >= this.total) return;
    var self = this;
    this.handle = window.setInterval(function () { self.tick(); }, 1000);
  },
  tick: function () {
    this.elapsed++;
    this.draw();
    if (this.elapsed >= this.total) {
      this.stop();
      this.fire("ontimer");
    }
  },
  stop: function () {
    if (this.handle) window.clearInterval(this.handle);
    this.handle = null;
  },
  reset: function () {
    this.stop();
    this.elapsed = 0;
    this.draw();
  },
  setTime: function (s) {
    this.total = Math.max(0, VLM.int(s, this.total));
    this.elapsed = 0;
    this.draw();
  },
  free: function () { this.stop(); }
});
