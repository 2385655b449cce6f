'use strict';
// A short WebM video for the media tests, recorded by the browser itself from an
// animated canvas (no video tool is needed on the machine).
async function recordWebm(context, ms = 700) {
  const page = await context.newPage();
  try {
    const b64 = await page.evaluate(async (duration) => {
      const c = document.createElement('canvas');
      c.width = 160;
      c.height = 120;
      document.body.appendChild(c);
      const g = c.getContext('2d');
      let t = 0;
      const draw = () => {
        g.fillStyle = '#2f6fb7';
        g.fillRect(0, 0, 160, 120);
        g.fillStyle = '#f0be1e';
        g.fillRect((t * 7) % 140, 50, 20, 20);
        t++;
      };
      draw();
      const timer = setInterval(draw, 40);
      const rec = new MediaRecorder(c.captureStream(25), { mimeType: 'video/webm' });
      const chunks = [];
      rec.ondataavailable = (e) => chunks.push(e.data);
      const done = new Promise((r) => { rec.onstop = r; });
      rec.start();
      await new Promise((r) => setTimeout(r, duration));
      rec.stop();
      await done;
      clearInterval(timer);
      const buf = new Uint8Array(await new Blob(chunks, { type: 'video/webm' }).arrayBuffer());
      let s = '';
      for (let i = 0; i < buf.length; i++) s += String.fromCharCode(buf[i]);
      return btoa(s);
    }, ms);
    return Buffer.from(b64, 'base64');
  } finally {
    await page.close();
  }
}

module.exports = { recordWebm };
