VLMObject.create("timer", {
  name: "<!-- property:name //-->",
  x: "<!-- property:x //-->",
  y: "<!-- property:y //-->",
  width: "<!-- property:width //-->",
  height: "<!-- property:height //-->",
  visibility: "<!-- property:visibility //-->",
  step: "<!-- property:step //-->",
  seconds: "<!-- property:seconds //-->",
  autoStart: "<!-- property:autoStart //-->",
  countDown: "<!-- property:countDown //-->",
  showTime: "<!-- property:showTime //-->",
  bgColor: "<!-- property:bgColor //-->",
  fontFamily: "<!-- property:fontFamily //-->",
  fontSize: "<!-- property:fontSize //-->",
  color: "<!-- property:color //-->",
  allowPause: "<!-- property:allowPause //-->",
  pauseLabel: "<!-- property:pauseLabel //-->"
}, {
  ontimer: function () {
<!-- event:ontimer //-->
  }
});
