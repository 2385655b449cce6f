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
    this.paused = false;
    // The learner may stop the clock and go on later, so no one runs out of time
    // for being slower; the button reads the time and the pause label.
    if (VLM.bool(p.allowPause === undefined ? "true" : p.allowPause)) {
      var self = this, b = VLM.el("button", "vlm-time", root);
      b.type = "button";
      b.setAttribute("aria-pressed", "false");
      this.display = VLM.el("span", "vlm-clock", b);
      var hint = VLM.firstText(p.pauseLabel);
      if (hint) VLM.el("span", "vlm-sr", b).textContent = " " + hint;
      b.onclick = function () { self.togglePause(); };
      this.pauseButton = b;
    } else {
      this.display = VLM.el("span", "vlm-time", root);
    }
    this.draw();
  },
  togglePause: function () {
    if (!VLM.interactive() || !this.enabled) return;
    if (this.handle) {
      this.stop();
      this.paused = true;
    } else if (this.paused) {
      this.paused = false;
      this.start();
    }
    this.pauseButton.setAttribute("aria-pressed", this.paused ? "true" : "false");
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
    this.paused = false;
    if (this.pauseButton) this.pauseButton.setAttribute("aria-pressed", "false");
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
