VLMObject.create("text", {
  name: "<!-- property:name //-->",
  x: "<!-- property:x //-->",
  y: "<!-- property:y //-->",
  width: "<!-- property:width //-->",
  height: "<!-- property:height //-->",
  visibility: "<!-- property:visibility //-->",
  step: "<!-- property:step //-->",
  text: "<!-- property:text //-->",
  fontFamily: "<!-- property:fontFamily //-->",
  fontSize: "<!-- property:fontSize //-->",
  color: "<!-- property:color //-->",
  bgColor: "<!-- property:bgColor //-->",
  align: "<!-- property:align //-->",
  padding: "<!-- property:padding //-->",
  scroll: "<!-- property:scroll //-->"
}, {
  onclick: function () {
<!-- event:onclick //-->
  },
  ondblclick: function () {
<!-- event:ondblclick //-->
  },
  onmouseover: function () {
<!-- event:onmouseover //-->
  },
  onmouseout: function () {
<!-- event:onmouseout //-->
  }
});
